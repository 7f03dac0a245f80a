<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>PlaceViewPage</name>
    <message>
        <source>This item has either been moved or deleted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>Duplicate Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This place already exists on the device. Do you want to replace the existing place?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Services are turned off or your device isn&apos;t connected to the network. To turn on Data Services, open Settings. After your device is connected to the network, try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location Services Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some features are unavailable because Location Services are turned off. To turn on Location Services, open Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added to Favorites!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected place could not be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Limit Reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already a Favorite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Network Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content Unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have reached the maximum limit for favorites.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This place is already saved as a favorite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t complete your request. Please check your network connection, and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Places content is currently unavailable.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
