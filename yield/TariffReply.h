#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The text of a reply body: UTF-8 when it is valid UTF-8, Windows-1252
// otherwise. Empty for a body that is no text (it holds NUL bytes).
std::optional<QString> DecodeReplyText(const QByteArray& body);

// The body as text lines (CR, LF and CR LF end a line) without leading and
// trailing blank lines; empty for a body that is no text.
std::optional<QStringList> ReplyLines(const QByteArray& body);
