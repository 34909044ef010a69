#pragma once

#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

namespace tandrel::test {

// A frame's control by its name; a missing one fails the test that asks.
template <class W>
W* Child(const QObject& frame, const char* name)
{
    W* w = frame.findChild<W*>(QString::fromLatin1(name));
    if (!w)
        throw std::runtime_error(std::string("no control ") + name);
    return w;
}

} // namespace tandrel::test
