<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>PlaceViewPage</name>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="51"/>
        <source>This item has either been moved or deleted.</source>
        <translation>Cet élément a été déplacé ou supprimé.</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <location filename="../src/common/duplicateplacedialog.cpp" line="21"/>
        <source>Duplicate Place</source>
        <translation>Lieu en double</translation>
    </message>
    <message>
        <location filename="../src/common/duplicateplacedialog.cpp" line="22"/>
        <source>This place already exists on the device. Do you want to replace the existing place?</source>
        <translation>Ce lieu existe déjà sur l&apos;appareil. Voulez-vous remplacer le lieu existant ?</translation>
    </message>
    <message>
        <location filename="../src/common/duplicateplacedialog.cpp" line="24"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../src/common/duplicateplacedialog.cpp" line="25"/>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <location filename="../src/common/enabledataservicesdialog.cpp" line="22"/>
        <source>Data Services</source>
        <translation>Services de données</translation>
    </message>
    <message>
        <location filename="../src/common/enabledataservicesdialog.cpp" line="23"/>
        <source>Data Services are turned off or your device isn&apos;t connected to the network. To turn on Data Services, open Settings. After your device is connected to the network, try again.</source>
        <translation>Les services de données sont désactivés ou votre appareil n&apos;est pas connecté au réseau. Pour activer les services de données, ouvrez les Paramètres. Une fois votre appareil connecté au réseau, réessayez.</translation>
    </message>
    <message>
        <location filename="../src/common/enabledataservicesdialog.cpp" line="24"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location filename="../src/common/enabledataservicesdialog.cpp" line="25"/>
        <location filename="../src/common/enablelocationdialog.cpp" line="25"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location filename="../src/common/enablelocationdialog.cpp" line="22"/>
        <source>Location Services Off</source>
        <translation>Services de localisation désactivés</translation>
    </message>
    <message>
        <location filename="../src/common/enablelocationdialog.cpp" line="23"/>
        <source>Some features are unavailable because Location Services are turned off. To turn on Location Services, open Settings.</source>
        <translation>Certaines fonctions sont indisponibles, car les services de localisation sont désactivés. Pour activer les services de localisation, ouvrez les Paramètres.</translation>
    </message>
    <message>
        <location filename="../src/common/enablelocationdialog.cpp" line="24"/>
        <source>Not Now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <location filename="../src/common/favoritetoast.cpp" line="24"/>
        <source>Added to Favorites!</source>
        <translation>Ajouté aux favoris !</translation>
    </message>
    <message>
        <location filename="../src/common/placenotfounddialog.cpp" line="22"/>
        <source>Place not found</source>
        <translation>Lieu introuvable</translation>
    </message>
    <message>
        <location filename="../src/common/placenotfounddialog.cpp" line="23"/>
        <source>The selected place could not be found.</source>
        <translation>Le lieu sélectionné est introuvable.</translation>
    </message>
    <message>
        <location filename="../src/common/placenotfounddialog.cpp" line="25"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="37"/>
        <source>Maximum Limit Reached</source>
        <translation>Limite maximale atteinte</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="39"/>
        <source>Already a Favorite</source>
        <translation>Déjà dans les favoris</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="41"/>
        <source>No Network Connection</source>
        <translation>Aucune connexion réseau</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="43"/>
        <source>Content Unavailable</source>
        <translation>Contenu indisponible</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="55"/>
        <source>You have reached the maximum limit for favorites.</source>
        <translation>Vous avez atteint le nombre maximal de favoris.</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="57"/>
        <source>This place is already saved as a favorite.</source>
        <translation>Ce lieu est déjà enregistré comme favori.</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="59"/>
        <source>Can&apos;t complete your request. Please check your network connection, and try again.</source>
        <translation>Impossible de traiter votre demande. Vérifiez votre connexion réseau, puis réessayez.</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="62"/>
        <source>My Places content is currently unavailable.</source>
        <translation>Le contenu de Mes lieux est actuellement indisponible.</translation>
    </message>
</context>
</TS>
