<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AddFieldAction</name>
    <message>
        <location filename="../src/placeview/addfieldaction.cpp" line="21"/>
        <source>Add Field</source>
        <translation>Ajouter un champ</translation>
    </message>
</context>
<context>
    <name>ContactPickerAction</name>
    <message>
        <location filename="../src/placeview/contactpickeraction.cpp" line="21"/>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
</context>
<context>
    <name>DeleteAction</name>
    <message>
        <location filename="../src/placeview/deleteaction.cpp" line="20"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>DeleteHomeAction</name>
    <message>
        <location filename="../src/placeview/deletehomeaction.cpp" line="21"/>
        <source>Delete Home</source>
        <translation>Supprimer le domicile</translation>
    </message>
</context>
<context>
    <name>DeleteWorkAction</name>
    <message>
        <location filename="../src/placeview/deleteworkaction.cpp" line="21"/>
        <source>Delete Work</source>
        <translation>Supprimer le travail</translation>
    </message>
</context>
<context>
    <name>EditAction</name>
    <message>
        <location filename="../src/placeview/editaction.cpp" line="21"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>MapAction</name>
    <message>
        <location filename="../src/placeview/mapaction.cpp" line="21"/>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
</context>
<context>
    <name>MyHomeAction</name>
    <message>
        <location filename="../src/placeview/myhomeaction.cpp" line="23"/>
        <source>Edit Home</source>
        <translation>Modifier le domicile</translation>
    </message>
    <message>
        <location filename="../src/placeview/myhomeaction.cpp" line="26"/>
        <source>Add Home</source>
        <translation>Ajouter le domicile</translation>
    </message>
</context>
<context>
    <name>MyWorkAction</name>
    <message>
        <location filename="../src/placeview/myworkaction.cpp" line="23"/>
        <source>Edit Work</source>
        <translation>Modifier le travail</translation>
    </message>
    <message>
        <location filename="../src/placeview/myworkaction.cpp" line="26"/>
        <source>Add Work</source>
        <translation>Ajouter le travail</translation>
    </message>
</context>
<context>
    <name>NavigateAction</name>
    <message>
        <location filename="../src/placeview/navigateaction.cpp" line="21"/>
        <source>Go</source>
        <translation>Y aller</translation>
    </message>
</context>
<context>
    <name>PlaceViewPage</name>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="50"/>
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
        <location filename="../src/common/enabledataservicesdialog.cpp" line="27"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location filename="../src/common/enabledataservicesdialog.cpp" line="28"/>
        <location filename="../src/common/enablelocationdialog.cpp" line="27"/>
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
        <location filename="../src/common/enablelocationdialog.cpp" line="26"/>
        <source>Not Now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <location filename="../src/common/favoritetoast.cpp" line="22"/>
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
        <location filename="../src/location/geocodinghandler.cpp" line="64"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="36"/>
        <source>Maximum Limit Reached</source>
        <translation>Limite maximale atteinte</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="38"/>
        <source>Already a Favorite</source>
        <translation>Déjà dans les favoris</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="40"/>
        <source>No Network Connection</source>
        <translation>Aucune connexion réseau</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="42"/>
        <source>Content Unavailable</source>
        <translation>Contenu indisponible</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="54"/>
        <source>You have reached the maximum limit for favorites.</source>
        <translation>Vous avez atteint le nombre maximal de favoris.</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="56"/>
        <source>This place is already saved as a favorite.</source>
        <translation>Ce lieu est déjà enregistré comme favori.</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="58"/>
        <source>Can&apos;t complete your request. Please check your network connection, and try again.</source>
        <translation>Impossible de traiter votre demande. Vérifiez votre connexion réseau, puis réessayez.</translation>
    </message>
    <message>
        <location filename="../src/common/retranslatablesystemdialog.cpp" line="61"/>
        <source>My Places content is currently unavailable.</source>
        <translation>Le contenu de Mes lieux est actuellement indisponible.</translation>
    </message>
    <message>
        <location filename="../src/utils/distance.cpp" line="19"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location filename="../src/utils/distance.cpp" line="19"/>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <location filename="../src/utils/distance.cpp" line="20"/>
        <source>ft</source>
        <translation>pi</translation>
    </message>
    <message>
        <location filename="../src/utils/distance.cpp" line="20"/>
        <source>mi</source>
        <translation>mi</translation>
    </message>
    <message>
        <location filename="../src/location/mylocationdialog.cpp" line="100"/>
        <location filename="../src/location/mylocationspinner.cpp" line="77"/>
        <source>Getting your location</source>
        <translation>Recherche de votre position</translation>
    </message>
    <message>
        <location filename="../src/location/mylocationdialog.cpp" line="102"/>
        <source>Could not find your exact location.</source>
        <translation>Impossible de trouver votre position exacte.</translation>
    </message>
    <message>
        <location filename="../src/location/mylocationdialog.cpp" line="170"/>
        <source>Can&apos;t find location</source>
        <translation>Position introuvable</translation>
    </message>
    <message>
        <location filename="../src/location/mylocationdialog.cpp" line="172"/>
        <source>Unable to find your current location.  Ensure that you are in a network coverage area and try again.</source>
        <translation>Impossible de trouver votre position actuelle.  Vérifiez que vous êtes dans une zone couverte par le réseau et réessayez.</translation>
    </message>
    <message>
        <location filename="../src/models/separator.cpp" line="13"/>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <location filename="../src/models/separator.cpp" line="14"/>
        <source>This Week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <location filename="../src/models/separator.cpp" line="15"/>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <location filename="../src/models/separator.cpp" line="16"/>
        <source>Last Month or Earlier</source>
        <translation>Le mois dernier ou avant</translation>
    </message>
    <message>
        <location filename="../src/models/separator.cpp" line="17"/>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <location filename="../src/models/separator.cpp" line="18"/>
        <source>Favorite</source>
        <translation>Favori</translation>
    </message>
    <message>
        <location filename="../src/models/separator.cpp" line="19"/>
        <source>Recent</source>
        <translation>Récent</translation>
    </message>
    <message>
        <location filename="../src/models/separator.cpp" line="20"/>
        <source>My Places</source>
        <translation>Mes lieux</translation>
    </message>
    <message>
        <location filename="../src/models/separator.cpp" line="21"/>
        <source>Suggestions</source>
        <translation>Suggestions</translation>
    </message>
    <message>
        <location filename="../src/models/separator.cpp" line="22"/>
        <source>Suggestions Near Map Center</source>
        <translation>Suggestions près du centre de la carte</translation>
    </message>
    <message>
        <location filename="../src/models/separator.cpp" line="23"/>
        <source>Points of Interest</source>
        <translation>Points d&apos;intérêt</translation>
    </message>
    <message>
        <location filename="../src/placeview/shareaction.cpp" line="28"/>
        <location filename="../src/utils/placeutilsinvocations.cpp" line="293"/>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <location filename="../src/placeview/ratingdetails.cpp" line="121"/>
        <source>Latest reviews</source>
        <translation>Derniers avis</translation>
    </message>
    <message>
        <location filename="../src/placeview/ratingdetails.cpp" line="123"/>
        <source>Read full reviews on:</source>
        <translation>Lire tous les avis sur :</translation>
    </message>
    <message>
        <location filename="../src/placeview/ratingprovideractivityindicatorlabel.cpp" line="20"/>
        <source>Searching for Reviews on</source>
        <translation>Recherche d&apos;avis sur</translation>
    </message>
    <message>
        <location filename="../src/placeview/reviewscountlabel.cpp" line="19"/>
        <source>Reviews</source>
        <translation>avis</translation>
    </message>
    <message>
        <location filename="../src/placeview/selectaction.cpp" line="21"/>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
</context>
<context>
    <name>Places Action</name>
    <message>
        <location filename="../src/placeview/mylocationaction.cpp" line="21"/>
        <source>My Location</source>
        <translation>Ma position</translation>
    </message>
</context>
<context>
    <name>PlacesDetail::Subcategory</name>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="8"/>
        <source>Restaurants &amp; Bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="9"/>
        <source>Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="10"/>
        <source>American Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="11"/>
        <source>Burger Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="12"/>
        <source>Bars &amp; Nightclubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="13"/>
        <source>Brewery/Pubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="14"/>
        <source>Wine Bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="15"/>
        <source>Chinese Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="16"/>
        <source>Coffee Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="17"/>
        <source>Fast Food Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="18"/>
        <source>Indian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="19"/>
        <source>Italian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="20"/>
        <source>Sushi Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="21"/>
        <source>Japanese Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="22"/>
        <source>Mexican Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="23"/>
        <source>Pizza Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="24"/>
        <source>Seafood Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="25"/>
        <source>Vegan Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="26"/>
        <source>Vegetarian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="27"/>
        <source>Barbecue/Southern Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="28"/>
        <source>Californian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="29"/>
        <source>Filipino Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="30"/>
        <source>French Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="31"/>
        <source>German Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="32"/>
        <source>Greek Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="33"/>
        <source>Hawaiian/Polynesian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="34"/>
        <source>Jewish/Kosher Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="35"/>
        <source>Korean Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="36"/>
        <source>Bagel Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="37"/>
        <source>Doughnut Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="38"/>
        <source>Bakeries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="39"/>
        <source>Argentinean Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="40"/>
        <source>Brazilian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="41"/>
        <source>Peruvian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="42"/>
        <source>Latin American Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="43"/>
        <source>Middle Eastern Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="44"/>
        <source>Moroccan Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="45"/>
        <source>Sandwich/Deli Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="46"/>
        <source>Spanish Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="47"/>
        <source>Steak House Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="48"/>
        <source>Thai Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="49"/>
        <source>Vietnamese Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="50"/>
        <source>Cajun Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="51"/>
        <source>Caribbean Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="52"/>
        <source>Bistro Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="53"/>
        <source>British Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="54"/>
        <source>Continental Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="55"/>
        <source>Finnish Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="56"/>
        <source>Grill Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="57"/>
        <source>International Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="58"/>
        <source>Russian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="59"/>
        <source>Snacks and Beverage Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="60"/>
        <source>Breakfast Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="61"/>
        <source>Chicken Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="62"/>
        <source>Ice Cream Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="63"/>
        <source>Tapas Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="64"/>
        <source>Irish Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="65"/>
        <source>Malaysian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="66"/>
        <source>Fusion Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="67"/>
        <source>Creole Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="68"/>
        <source>Creperies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="69"/>
        <source>Pastry Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="70"/>
        <source>Indonesian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="71"/>
        <source>Fondue Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="72"/>
        <source>Chilean Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="73"/>
        <source>Azerbaijani Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="74"/>
        <source>Baltic Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="75"/>
        <source>Belorussian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="76"/>
        <source>Caucasian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="77"/>
        <source>African Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="78"/>
        <source>Australian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="79"/>
        <source>Austrian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="80"/>
        <source>Balkan Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="81"/>
        <source>Belgian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="82"/>
        <source>Bohemian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="83"/>
        <source>Canadian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="84"/>
        <source>Dutch Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="85"/>
        <source>East European Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="86"/>
        <source>Hungarian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="87"/>
        <source>Maltese Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="88"/>
        <source>Polish Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="89"/>
        <source>Portuguese Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="90"/>
        <source>Scandinavian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="91"/>
        <source>Southwestern Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="92"/>
        <source>Surinamese Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="93"/>
        <source>Swiss Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="94"/>
        <source>Turkish Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="95"/>
        <source>Lodging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="96"/>
        <source>Hotels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="97"/>
        <source>Bed &amp; Breakfasts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="98"/>
        <source>Skiing &amp; Ski Resorts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="99"/>
        <source>Campgrounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="100"/>
        <source>R V Parks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="101"/>
        <source>Resorts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="102"/>
        <source>Vacation Rentals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="103"/>
        <source>Health Care</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="104"/>
        <source>All Health Care</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="105"/>
        <source>Dentists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="106"/>
        <source>Hospitals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="107"/>
        <source>Pharmacies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="108"/>
        <source>Chiropractors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="109"/>
        <source>Physicians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="110"/>
        <source>Dermatologists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="111"/>
        <source>Family Practice Physicians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="112"/>
        <source>Internal Medicine Physicians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="113"/>
        <source>Obstetricians &amp; Gynecologists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="114"/>
        <source>Ophthalmologists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="115"/>
        <source>Pediatricians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="116"/>
        <source>Other Health Practitioners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="117"/>
        <source>Medical Laboratories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="118"/>
        <source>Nursing Homes &amp; Residential Care Facilities </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="119"/>
        <source>Other Outpatient Care Centers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="120"/>
        <source>Psychiatric &amp; Substance Abuse Hospitals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="121"/>
        <source>Specialty Hospitals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="122"/>
        <source>Opticians &amp; Optical Centers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="123"/>
        <source>Optometrists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="124"/>
        <source>Eye Care Centers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="125"/>
        <source>Emergency Rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="126"/>
        <source>Urgent Care Clinics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="127"/>
        <source>Shopping/Retail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="128"/>
        <source>Shopping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="129"/>
        <source>Department Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="130"/>
        <source>Grocery Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="131"/>
        <source>Malls &amp; Shopping Centers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="132"/>
        <source>Clothing Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="133"/>
        <source>Retail Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="134"/>
        <source>Sporting Goods Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="135"/>
        <source>Convenience Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="136"/>
        <source>Book Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="137"/>
        <source>Food Markets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="138"/>
        <source>Antique Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="139"/>
        <source>Florists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="140"/>
        <source>General Merchandise Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="141"/>
        <source>Hardware &amp; Building Materials Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="142"/>
        <source>Liquor, Wine &amp; Beer Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="143"/>
        <source>Variety Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="144"/>
        <source>Music Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="145"/>
        <source>Newsstands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="146"/>
        <source>Lawn &amp; Garden Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="147"/>
        <source>Furniture Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="148"/>
        <source>Houseware Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="149"/>
        <source>Office Supplies &amp; Stationery Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="150"/>
        <source>Wholesale Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="151"/>
        <location filename="../src/assets/places_settings/subcategories.qml" line="152"/>
        <source>Entertainment &amp; Recreation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="153"/>
        <source>Nightclubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="154"/>
        <source>Casinos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="155"/>
        <source>Convention Facilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="156"/>
        <source>Golf Courses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="157"/>
        <source>Movie Theaters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="158"/>
        <source>Museums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="159"/>
        <source>Amusement Parks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="160"/>
        <source>Amusement Places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="161"/>
        <source>Parks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="162"/>
        <source>Zoos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="163"/>
        <source>Aquariums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="164"/>
        <source>Stadiums &amp; Arenas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="165"/>
        <source>Performing Arts/Live Theaters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="166"/>
        <source>Bowling Alleys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="167"/>
        <source>Fishing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="168"/>
        <source>Hunting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="169"/>
        <source>Marinas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="170"/>
        <source>Race Tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="171"/>
        <source>Ice Skating Rinks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="172"/>
        <source>Paint Ball</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="173"/>
        <source>Wineries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="174"/>
        <source>Non-Casino Gambling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="175"/>
        <source>Comedy Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="176"/>
        <source>Banks &amp; ATMs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="177"/>
        <source>ATMs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="178"/>
        <source>Banks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="179"/>
        <source>Currency Exchange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="180"/>
        <source>Check Cashing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="181"/>
        <source>Public Offices &amp; Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="182"/>
        <source>Courts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="183"/>
        <source>Libraries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="184"/>
        <source>Police Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="185"/>
        <source>Post Offices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="186"/>
        <source>Schools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="187"/>
        <source>Colleges/Universities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="188"/>
        <source>Fire Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="189"/>
        <source>Travel &amp; Tourism</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="190"/>
        <source>Airports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="191"/>
        <source>Tourist Attractions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="192"/>
        <source>Tourist Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="193"/>
        <source>Historical Sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="194"/>
        <source>Landmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="195"/>
        <source>Bus Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="196"/>
        <source>Car Rental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="197"/>
        <source>Parking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="198"/>
        <source>Train Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="199"/>
        <source>Car Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="200"/>
        <source>Limousine Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="201"/>
        <source>Taxicabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="202"/>
        <source>Airlines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="203"/>
        <source>Travel Agents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="204"/>
        <source>Ferry Terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="205"/>
        <source>Rest Areas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="206"/>
        <source>Personal Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="207"/>
        <source>Barbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="208"/>
        <source>Beauty Salons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="209"/>
        <source>Day Spas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="210"/>
        <source>Copying &amp; Duplicating Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="211"/>
        <source>Laundries &amp; Cleaners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="212"/>
        <source>Self Service Laundries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="213"/>
        <source>Mailing &amp; Shipping Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="214"/>
        <source>Churches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="215"/>
        <source>Synagogues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="216"/>
        <source>temples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="217"/>
        <source>Mosques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="218"/>
        <source>Places of Worship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="219"/>
        <location filename="../src/assets/places_settings/subcategories.qml" line="220"/>
        <source>Automotive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="221"/>
        <source>Gas Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="222"/>
        <source>Auto Parts Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="223"/>
        <source>Auto Repair Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="224"/>
        <source>Oil Change Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="225"/>
        <source>Tire Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="226"/>
        <source>Auto Dealers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="227"/>
        <source>Used Car Dealers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="228"/>
        <source>Auto Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="229"/>
        <source>Car Washes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="230"/>
        <source>Truck Stops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="231"/>
        <source>Motorcycle Dealers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="232"/>
        <source>Auto Body Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="233"/>
        <source>Truck Rental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="234"/>
        <source>Smog Inspection Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/assets/places_settings/subcategories.qml" line="235"/>
        <source>Electric Charging Stations</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanAction</name>
    <message>
        <location filename="../src/placeview/planaction.cpp" line="21"/>
        <source>Plan Route</source>
        <translation>Planifier l&apos;itinéraire</translation>
    </message>
</context>
<context>
    <name>favunfav</name>
    <message>
        <location filename="../src/placeview/favaction.cpp" line="37"/>
        <source>Unfavorite</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
        <location filename="../src/placeview/favaction.cpp" line="38"/>
        <source>Favorite</source>
        <translation>Favori</translation>
    </message>
</context>
<context>
    <name>hx::trellan::places::CustomDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>hx::trellan::places::Places</name>
    <message>
        <location filename="../src/location/geocodinghandler.cpp" line="58"/>
        <source>Address Not Found</source>
        <translation>Adresse introuvable</translation>
    </message>
    <message>
        <location filename="../src/location/geocodinghandler.cpp" line="59"/>
        <source>Can&apos;t find the address for %1 on a map. Do you want to continue ?</source>
        <translation>Impossible de trouver l&apos;adresse de %1 sur une carte. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <location filename="../src/location/geocodinghandler.cpp" line="66"/>
        <source>Places</source>
        <translation>Lieux</translation>
    </message>
    <message>
        <location filename="../src/location/geocodinghandler.cpp" line="67"/>
        <source>Retrieving details...</source>
        <translation>Récupération des détails...</translation>
    </message>
</context>
<context>
    <name>hx::trellan::places::SelectorSheet</name>
    <message>
        <location filename="../src/location/geocodinghandler.cpp" line="63"/>
        <location filename="../src/location/geocodinghandler.cpp" line="68"/>
        <location filename="../src/location/mylocationdialog.cpp" line="99"/>
        <location filename="../src/location/mylocationdialog.cpp" line="141"/>
        <location filename="../src/location/mylocationspinner.cpp" line="79"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../src/location/mylocationdialog.cpp" line="97"/>
        <location filename="../src/location/mylocationspinner.cpp" line="76"/>
        <source>Your current location:</source>
        <translation>Votre position actuelle :</translation>
    </message>
    <message>
        <location filename="../src/location/mylocationdialog.cpp" line="98"/>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <location filename="../src/location/mylocationdialog.cpp" line="138"/>
        <source>Address Not Found</source>
        <translation>Adresse introuvable</translation>
    </message>
    <message>
        <location filename="../src/location/mylocationdialog.cpp" line="140"/>
        <source>Use Coordinates</source>
        <translation>Utiliser les coordonnées</translation>
    </message>
    <message>
        <location filename="../src/location/mylocationdialog.cpp" line="144"/>
        <source>An exact address or location name could not be found.  Would you like to use the location coordinates instead?
Latitude %1 Longitude %2</source>
        <translation>Aucune adresse exacte ni aucun nom de lieu n&apos;a été trouvé.  Voulez-vous plutôt utiliser les coordonnées du lieu ?
Latitude %1 Longitude %2</translation>
    </message>
    <message>
        <location filename="../src/location/mylocationdialog.cpp" line="175"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/location/mylocationspinner.cpp" line="260"/>
        <source>Latitude %1 Longitude %2</source>
        <translation>Latitude %1 Longitude %2</translation>
    </message>
</context>
</TS>
