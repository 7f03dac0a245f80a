// A program an application developer would write against an installed tree.
#include <hx/trellan/places/log.h>

#include <QtCore/QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (qstrcmp(hx::trellan::places::lcPlaces().categoryName(), "hx.trellan.places") != 0)
        return 1;
    std::puts("consumer ok");
    return 0;
}
