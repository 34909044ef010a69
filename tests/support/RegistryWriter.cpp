// Child program of the two-process settings test: writes <count> integers
// named <prefix><n> into the section "Wettlauf", each with its own settings
// object and so its own commit.
#include "app/KontaloRegistry.h"

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: registry_writer <settings file> <prefix> <count>\n");
        return 2;
    }
    qputenv("TANDREL_REGISTRY", QByteArray(argv[1]));
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    try {
        for (int i = 0; i < count; ++i) {
            MKontaloRegistry registry;
            registry.WriteInteger(QStringLiteral("Wettlauf"), prefix + QString::number(i), i);
        }
    } catch (const RegistryError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
