// The floor of a card's cold start: a Qt program that starts its application object and
// leaves, started and waited for the way the invocation service starts a card.
#include <QtGui/QGuiApplication>

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    return 0;
}
