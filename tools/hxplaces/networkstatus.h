#ifndef HXPLACES_NETWORKSTATUS_H
#define HXPLACES_NETWORKSTATUS_H

#include <QtCore/QString>

// The desktop the simulator runs on is online: the phone's network service's public status
// says so, so that screens ask about data services only when told to.
class NetworkStatus
{
public:
    // Writes the online status under ppsRoot; false, with the reason in *message, when the file
    // cannot be written.
    static bool publishOnline(const QString &ppsRoot, QString *message = nullptr);
    // Writes it under HX_PPS_ROOT unless the session already said something there.
    static void publishOnlineUnlessSaid();
};

#endif
