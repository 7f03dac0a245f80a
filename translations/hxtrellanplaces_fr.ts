<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AddFieldAction</name>
    <message>
        <source>Add Field</source>
        <translation>Ajouter un champ</translation>
    </message>
</context>
<context>
    <name>ContactPickerAction</name>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
</context>
<context>
    <name>DeleteAction</name>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>DeleteHomeAction</name>
    <message>
        <source>Delete Home</source>
        <translation>Supprimer le domicile</translation>
    </message>
</context>
<context>
    <name>DeleteWorkAction</name>
    <message>
        <source>Delete Work</source>
        <translation>Supprimer le travail</translation>
    </message>
</context>
<context>
    <name>EditAction</name>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>FieldTypesSheet</name>
    <message>
        <source>Website</source>
        <translation>Site Web</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Add Field</source>
        <translation>Ajouter un champ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>MapAction</name>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
</context>
<context>
    <name>MapHolder</name>
    <message numerus="yes">
        <source>%1 Addresses Found</source>
        <translation>
            <numerusform>%1 adresse trouvée</numerusform>
            <numerusform>%1 adresses trouvées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MyHomeAction</name>
    <message>
        <source>Edit Home</source>
        <translation>Modifier le domicile</translation>
    </message>
    <message>
        <source>Add Home</source>
        <translation>Ajouter le domicile</translation>
    </message>
</context>
<context>
    <name>MyWorkAction</name>
    <message>
        <source>Edit Work</source>
        <translation>Modifier le travail</translation>
    </message>
    <message>
        <source>Add Work</source>
        <translation>Ajouter le travail</translation>
    </message>
</context>
<context>
    <name>NameField</name>
    <message>
        <source>Favorite</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Travail</translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation>Remplacer %1 ?</translation>
    </message>
    <message>
        <source>You have already set a %1. Do you want to replace this address?

Current %1 Address
%2

New %1 address
%3</source>
        <translation>Vous avez déjà défini %1. Voulez-vous remplacer cette adresse ?

Adresse %1 actuelle
%2

Nouvelle adresse %1
%3</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Don&apos;t Replace</source>
        <translation>Ne pas remplacer</translation>
    </message>
</context>
<context>
    <name>NavigateAction</name>
    <message>
        <source>Go</source>
        <translation>Y aller</translation>
    </message>
</context>
<context>
    <name>PlaceViewPage</name>
    <message>
        <source>This item has either been moved or deleted.</source>
        <translation>Cet élément a été déplacé ou supprimé.</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>Duplicate Place</source>
        <translation>Lieu en double</translation>
    </message>
    <message>
        <source>This place already exists on the device. Do you want to replace the existing place?</source>
        <translation>Ce lieu existe déjà sur l&apos;appareil. Voulez-vous remplacer le lieu existant ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Data Services</source>
        <translation>Services de données</translation>
    </message>
    <message>
        <source>Data Services are turned off or your device isn&apos;t connected to the network. To turn on Data Services, open Settings. After your device is connected to the network, try again.</source>
        <translation>Les services de données sont désactivés ou votre appareil n&apos;est pas connecté au réseau. Pour activer les services de données, ouvrez les Paramètres. Une fois votre appareil connecté au réseau, réessayez.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Location Services Off</source>
        <translation>Services de localisation désactivés</translation>
    </message>
    <message>
        <source>Some features are unavailable because Location Services are turned off. To turn on Location Services, open Settings.</source>
        <translation>Certaines fonctions sont indisponibles, car les services de localisation sont désactivés. Pour activer les services de localisation, ouvrez les Paramètres.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>Added to Favorites!</source>
        <translation>Ajouté aux favoris !</translation>
    </message>
    <message>
        <source>Place not found</source>
        <translation>Lieu introuvable</translation>
    </message>
    <message>
        <source>The selected place could not be found.</source>
        <translation>Le lieu sélectionné est introuvable.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Maximum Limit Reached</source>
        <translation>Limite maximale atteinte</translation>
    </message>
    <message>
        <source>Already a Favorite</source>
        <translation>Déjà dans les favoris</translation>
    </message>
    <message>
        <source>No Network Connection</source>
        <translation>Aucune connexion réseau</translation>
    </message>
    <message>
        <source>Content Unavailable</source>
        <translation>Contenu indisponible</translation>
    </message>
    <message>
        <source>You have reached the maximum limit for favorites.</source>
        <translation>Vous avez atteint le nombre maximal de favoris.</translation>
    </message>
    <message>
        <source>This place is already saved as a favorite.</source>
        <translation>Ce lieu est déjà enregistré comme favori.</translation>
    </message>
    <message>
        <source>Can&apos;t complete your request. Please check your network connection, and try again.</source>
        <translation>Impossible de traiter votre demande. Vérifiez votre connexion réseau, puis réessayez.</translation>
    </message>
    <message>
        <source>My Places content is currently unavailable.</source>
        <translation>Le contenu de Mes lieux est actuellement indisponible.</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>mi</source>
        <translation>mi</translation>
    </message>
    <message>
        <source>Getting your location</source>
        <translation>Recherche de votre position</translation>
    </message>
    <message>
        <source>Could not find your exact location.</source>
        <translation>Impossible de trouver votre position exacte.</translation>
    </message>
    <message>
        <source>Can&apos;t find location</source>
        <translation>Position introuvable</translation>
    </message>
    <message>
        <source>Unable to find your current location.  Ensure that you are in a network coverage area and try again.</source>
        <translation>Impossible de trouver votre position actuelle.  Vérifiez que vous êtes dans une zone couverte par le réseau et réessayez.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Last Month or Earlier</source>
        <translation>Le mois dernier ou avant</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Récent</translation>
    </message>
    <message>
        <source>My Places</source>
        <translation>Mes lieux</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggestions</translation>
    </message>
    <message>
        <source>Suggestions Near Map Center</source>
        <translation>Suggestions près du centre de la carte</translation>
    </message>
    <message>
        <source>Points of Interest</source>
        <translation>Points d&apos;intérêt</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Latest reviews</source>
        <translation>Derniers avis</translation>
    </message>
    <message>
        <source>Read full reviews on:</source>
        <translation>Lire tous les avis sur :</translation>
    </message>
    <message>
        <source>Searching for Reviews on</source>
        <translation>Recherche d&apos;avis sur</translation>
    </message>
    <message>
        <source>Reviews</source>
        <translation>avis</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Retrieving details</source>
        <translation>Récupération des détails</translation>
    </message>
    <message>
        <source>Address not found</source>
        <translation>Adresse introuvable</translation>
    </message>
    <message>
        <source>No Results Found</source>
        <translation>Aucun résultat trouvé</translation>
    </message>
    <message>
        <source>Results for: %1</source>
        <translation>Résultats pour : %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Add Favorite</source>
        <translation>Ajouter un favori</translation>
    </message>
    <message>
        <source>Add Home</source>
        <translation>Ajouter le domicile</translation>
    </message>
    <message>
        <source>Add Work</source>
        <translation>Ajouter le travail</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Your location</source>
        <translation>Votre position</translation>
    </message>
    <message>
        <source>Place Details</source>
        <translation>Détails du lieu</translation>
    </message>
    <message>
        <source>A place name is required to save this as a favorite</source>
        <translation>Un nom de lieu est requis pour enregistrer ce favori</translation>
    </message>
    <message>
        <source>Email not recognized</source>
        <translation>E-mail non reconnu</translation>
    </message>
    <message>
        <source>* Required Fields</source>
        <translation>* Champs obligatoires</translation>
    </message>
    <message>
        <source>Place Name*</source>
        <translation>Nom du lieu*</translation>
    </message>
    <message>
        <source>Address*</source>
        <translation>Adresse*</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Numéro de téléphone</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site Web</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>The place can&apos;t be found, id = %1</source>
        <translation>Le lieu est introuvable, id = %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 Addresses Found</source>
        <translation>
            <numerusform>%1 adresse trouvée</numerusform>
            <numerusform>%1 adresses trouvées</numerusform>
        </translation>
    </message>
    <message>
        <source>Some search results are unavailable because your location is unknown.</source>
        <translation>Certains résultats de recherche ne sont pas disponibles, car votre position est inconnue.</translation>
    </message>
    <message>
        <source>Search Recents</source>
        <translation>Rechercher dans les récents</translation>
    </message>
    <message>
        <source>Search Favorites</source>
        <translation>Rechercher dans les favoris</translation>
    </message>
    <message>
        <source>Search Contacts</source>
        <translation>Rechercher dans les contacts</translation>
    </message>
    <message>
        <source>Type to enter search term or address</source>
        <translation>Saisissez un terme de recherche ou une adresse</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Recents</source>
        <translation>Récents</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Enter search term or address for suggestions.</source>
        <translation>Saisissez un terme de recherche ou une adresse pour obtenir des suggestions.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Travail</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Lieux</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>Nouvelle entrée</translation>
    </message>
    <message>
        <source>No Favorites</source>
        <translation>Aucun favori</translation>
    </message>
    <message>
        <source>Start adding favorite places, like your home and work.</source>
        <translation>Ajoutez vos lieux favoris, comme votre domicile et votre travail.</translation>
    </message>
    <message>
        <source>No Contacts</source>
        <translation>Aucun contact</translation>
    </message>
    <message>
        <source>Start adding contacts. Contacts without addresses will not appear in this list.</source>
        <translation>Ajoutez des contacts. Les contacts sans adresse n&apos;apparaîtront pas dans cette liste.</translation>
    </message>
    <message>
        <source>No Recents</source>
        <translation>Aucun lieu récent</translation>
    </message>
    <message>
        <source>Start searching to see recent places here.</source>
        <translation>Lancez une recherche pour voir ici vos lieux récents.</translation>
    </message>
    <message>
        <source>Finding your location</source>
        <translation>Recherche de votre position</translation>
    </message>
    <message>
        <source>Saved as place %1</source>
        <translation>Enregistré comme lieu %1</translation>
    </message>
    <message>
        <source>New Place</source>
        <translation>Nouveau lieu</translation>
    </message>
    <message>
        <source>Waiting for a fix</source>
        <translation>En attente d’une position</translation>
    </message>
    <message>
        <source>Location found, looking up its address</source>
        <translation>Position trouvée, recherche de son adresse</translation>
    </message>
    <message>
        <source>No location found</source>
        <translation>Aucune position trouvée</translation>
    </message>
    <message>
        <source>Locating</source>
        <translation>Localisation</translation>
    </message>
    <message>
        <source>You are at: %1</source>
        <translation>Vous êtes ici : %1</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Adresses</translation>
    </message>
    <message>
        <source>Near your destination</source>
        <translation>Près de votre destination</translation>
    </message>
    <message>
        <source>Here is what I found</source>
        <translation>Voici ce que j’ai trouvé</translation>
    </message>
    <message>
        <source>Assistant card</source>
        <translation>Carte de l’assistant</translation>
    </message>
    <message>
        <source>Local search</source>
        <translation>Recherche locale</translation>
    </message>
    <message>
        <source>Results for %1</source>
        <translation>Résultats pour %1</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
</context>
<context>
    <name>Places Action</name>
    <message>
        <source>My Location</source>
        <translation>Ma position</translation>
    </message>
</context>
<context>
    <name>PlacesDetail</name>
    <message>
        <source>OPEN</source>
        <translation>OUVERT</translation>
    </message>
    <message>
        <source>CLOSED</source>
        <translation>FERMÉ</translation>
    </message>
    <message>
        <source>Today&apos;s Hours</source>
        <translation>Horaires du jour</translation>
    </message>
    <message>
        <source>Cuisine</source>
        <translation>Cuisine</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Amenities</source>
        <translation>Équipements</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Numéro de téléphone</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site Web</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>Stationnement</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>Réservations</translation>
    </message>
    <message>
        <source>Dress Code</source>
        <translation>Tenue exigée</translation>
    </message>
    <message>
        <source>Live Entertainment</source>
        <translation>Spectacles</translation>
    </message>
    <message>
        <source>Price Range</source>
        <translation>Gamme de prix</translation>
    </message>
    <message>
        <source>Payment Method</source>
        <translation>Mode de paiement</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Toll Number</source>
        <translation>Numéro payant</translation>
    </message>
    <message>
        <source>FAX</source>
        <translation>FAX</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Work Phone Number</source>
        <translation>Numéro de téléphone professionnel</translation>
    </message>
    <message>
        <source>Home Phone Number</source>
        <translation>Numéro de téléphone personnel</translation>
    </message>
    <message>
        <source>Mobile Phone Number</source>
        <translation>Numéro de portable</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Speciality</source>
        <translation>Spécialité</translation>
    </message>
    <message>
        <source>Hours of operation</source>
        <translation>Heures d&apos;ouverture</translation>
    </message>
    <message>
        <source>Make a reservation</source>
        <translation>Faire une réservation</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horaires</translation>
    </message>
    <message>
        <source>Additional Information</source>
        <translation>Informations complémentaires</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
</context>
<context>
    <name>PlacesDetail::Subcategory</name>
    <message>
        <source>Restaurants &amp; Bars</source>
        <translation>Restaurants et bars</translation>
    </message>
    <message>
        <source>Restaurants</source>
        <translation>Restaurants</translation>
    </message>
    <message>
        <source>American Restaurants</source>
        <translation>Restaurants américains</translation>
    </message>
    <message>
        <source>Burger Restaurants</source>
        <translation>Restaurants de burgers</translation>
    </message>
    <message>
        <source>Bars &amp; Nightclubs</source>
        <translation>Bars et boîtes de nuit</translation>
    </message>
    <message>
        <source>Brewery/Pubs</source>
        <translation>Brasseries/Pubs</translation>
    </message>
    <message>
        <source>Wine Bars</source>
        <translation>Bars à vin</translation>
    </message>
    <message>
        <source>Chinese Restaurants</source>
        <translation>Restaurants chinois</translation>
    </message>
    <message>
        <source>Coffee Shops</source>
        <translation>Cafés</translation>
    </message>
    <message>
        <source>Fast Food Restaurants</source>
        <translation>Restauration rapide</translation>
    </message>
    <message>
        <source>Indian Restaurants</source>
        <translation>Restaurants indiens</translation>
    </message>
    <message>
        <source>Italian Restaurants</source>
        <translation>Restaurants italiens</translation>
    </message>
    <message>
        <source>Sushi Restaurants</source>
        <translation>Restaurants de sushis</translation>
    </message>
    <message>
        <source>Japanese Restaurants</source>
        <translation>Restaurants japonais</translation>
    </message>
    <message>
        <source>Mexican Restaurants</source>
        <translation>Restaurants mexicains</translation>
    </message>
    <message>
        <source>Pizza Restaurants</source>
        <translation>Pizzerias</translation>
    </message>
    <message>
        <source>Seafood Restaurants</source>
        <translation>Restaurants de fruits de mer</translation>
    </message>
    <message>
        <source>Vegan Restaurants</source>
        <translation>Restaurants végans</translation>
    </message>
    <message>
        <source>Vegetarian Restaurants</source>
        <translation>Restaurants végétariens</translation>
    </message>
    <message>
        <source>Barbecue/Southern Restaurants</source>
        <translation>Restaurants barbecue/cuisine du Sud</translation>
    </message>
    <message>
        <source>Californian Restaurants</source>
        <translation>Restaurants californiens</translation>
    </message>
    <message>
        <source>Filipino Restaurants</source>
        <translation>Restaurants philippins</translation>
    </message>
    <message>
        <source>French Restaurants</source>
        <translation>Restaurants français</translation>
    </message>
    <message>
        <source>German Restaurants</source>
        <translation>Restaurants allemands</translation>
    </message>
    <message>
        <source>Greek Restaurants</source>
        <translation>Restaurants grecs</translation>
    </message>
    <message>
        <source>Hawaiian/Polynesian</source>
        <translation>Cuisine hawaïenne/polynésienne</translation>
    </message>
    <message>
        <source>Jewish/Kosher Restaurants</source>
        <translation>Restaurants juifs/casher</translation>
    </message>
    <message>
        <source>Korean Restaurants</source>
        <translation>Restaurants coréens</translation>
    </message>
    <message>
        <source>Bagel Shops</source>
        <translation>Boutiques de bagels</translation>
    </message>
    <message>
        <source>Doughnut Shops</source>
        <translation>Boutiques de donuts</translation>
    </message>
    <message>
        <source>Bakeries</source>
        <translation>Boulangeries</translation>
    </message>
    <message>
        <source>Argentinean Restaurants</source>
        <translation>Restaurants argentins</translation>
    </message>
    <message>
        <source>Brazilian Restaurants</source>
        <translation>Restaurants brésiliens</translation>
    </message>
    <message>
        <source>Peruvian Restaurants</source>
        <translation>Restaurants péruviens</translation>
    </message>
    <message>
        <source>Latin American Restaurants</source>
        <translation>Restaurants latino-américains</translation>
    </message>
    <message>
        <source>Middle Eastern Restaurants</source>
        <translation>Restaurants du Moyen-Orient</translation>
    </message>
    <message>
        <source>Moroccan Restaurants</source>
        <translation>Restaurants marocains</translation>
    </message>
    <message>
        <source>Sandwich/Deli Restaurants</source>
        <translation>Sandwicheries/Traiteurs</translation>
    </message>
    <message>
        <source>Spanish Restaurants</source>
        <translation>Restaurants espagnols</translation>
    </message>
    <message>
        <source>Steak House Restaurants</source>
        <translation>Steakhouses</translation>
    </message>
    <message>
        <source>Thai Restaurants</source>
        <translation>Restaurants thaïlandais</translation>
    </message>
    <message>
        <source>Vietnamese Restaurants</source>
        <translation>Restaurants vietnamiens</translation>
    </message>
    <message>
        <source>Cajun Restaurants</source>
        <translation>Restaurants cajuns</translation>
    </message>
    <message>
        <source>Caribbean Restaurants</source>
        <translation>Restaurants caribéens</translation>
    </message>
    <message>
        <source>Bistro Restaurants</source>
        <translation>Bistrots</translation>
    </message>
    <message>
        <source>British Restaurants</source>
        <translation>Restaurants britanniques</translation>
    </message>
    <message>
        <source>Continental Restaurants</source>
        <translation>Cuisine continentale</translation>
    </message>
    <message>
        <source>Finnish Restaurants</source>
        <translation>Restaurants finlandais</translation>
    </message>
    <message>
        <source>Grill Restaurants</source>
        <translation>Grills</translation>
    </message>
    <message>
        <source>International Restaurants</source>
        <translation>Restaurants internationaux</translation>
    </message>
    <message>
        <source>Russian Restaurants</source>
        <translation>Restaurants russes</translation>
    </message>
    <message>
        <source>Snacks and Beverage Shops</source>
        <translation>Snacks et boissons</translation>
    </message>
    <message>
        <source>Breakfast Restaurants</source>
        <translation>Restaurants petit-déjeuner</translation>
    </message>
    <message>
        <source>Chicken Restaurants</source>
        <translation>Rôtisseries</translation>
    </message>
    <message>
        <source>Ice Cream Shops</source>
        <translation>Glaciers</translation>
    </message>
    <message>
        <source>Tapas Restaurants</source>
        <translation>Bars à tapas</translation>
    </message>
    <message>
        <source>Irish Restaurants</source>
        <translation>Restaurants irlandais</translation>
    </message>
    <message>
        <source>Malaysian Restaurants</source>
        <translation>Restaurants malaisiens</translation>
    </message>
    <message>
        <source>Fusion Restaurants</source>
        <translation>Restaurants fusion</translation>
    </message>
    <message>
        <source>Creole Restaurants</source>
        <translation>Restaurants créoles</translation>
    </message>
    <message>
        <source>Creperies</source>
        <translation>Crêperies</translation>
    </message>
    <message>
        <source>Pastry Restaurants</source>
        <translation>Pâtisseries</translation>
    </message>
    <message>
        <source>Indonesian Restaurants</source>
        <translation>Restaurants indonésiens</translation>
    </message>
    <message>
        <source>Fondue Restaurants</source>
        <translation>Restaurants de fondues</translation>
    </message>
    <message>
        <source>Chilean Restaurants</source>
        <translation>Restaurants chiliens</translation>
    </message>
    <message>
        <source>Azerbaijani Restaurants</source>
        <translation>Restaurants azerbaïdjanais</translation>
    </message>
    <message>
        <source>Baltic Restaurants</source>
        <translation>Restaurants baltes</translation>
    </message>
    <message>
        <source>Belorussian Restaurants</source>
        <translation>Restaurants biélorusses</translation>
    </message>
    <message>
        <source>Caucasian Restaurants</source>
        <translation>Restaurants caucasiens</translation>
    </message>
    <message>
        <source>African Restaurants</source>
        <translation>Restaurants africains</translation>
    </message>
    <message>
        <source>Australian Restaurants</source>
        <translation>Restaurants australiens</translation>
    </message>
    <message>
        <source>Austrian Restaurants</source>
        <translation>Restaurants autrichiens</translation>
    </message>
    <message>
        <source>Balkan Restaurants</source>
        <translation>Restaurants balkaniques</translation>
    </message>
    <message>
        <source>Belgian Restaurants</source>
        <translation>Restaurants belges</translation>
    </message>
    <message>
        <source>Bohemian Restaurants</source>
        <translation>Restaurants bohémiens</translation>
    </message>
    <message>
        <source>Canadian Restaurants</source>
        <translation>Restaurants canadiens</translation>
    </message>
    <message>
        <source>Dutch Restaurants</source>
        <translation>Restaurants néerlandais</translation>
    </message>
    <message>
        <source>East European Restaurants</source>
        <translation>Restaurants d&apos;Europe de l&apos;Est</translation>
    </message>
    <message>
        <source>Hungarian Restaurants</source>
        <translation>Restaurants hongrois</translation>
    </message>
    <message>
        <source>Maltese Restaurants</source>
        <translation>Restaurants maltais</translation>
    </message>
    <message>
        <source>Polish Restaurants</source>
        <translation>Restaurants polonais</translation>
    </message>
    <message>
        <source>Portuguese Restaurants</source>
        <translation>Restaurants portugais</translation>
    </message>
    <message>
        <source>Scandinavian Restaurants</source>
        <translation>Restaurants scandinaves</translation>
    </message>
    <message>
        <source>Southwestern Restaurants</source>
        <translation>Cuisine du Sud-Ouest américain</translation>
    </message>
    <message>
        <source>Surinamese Restaurants</source>
        <translation>Restaurants surinamais</translation>
    </message>
    <message>
        <source>Swiss Restaurants</source>
        <translation>Restaurants suisses</translation>
    </message>
    <message>
        <source>Turkish Restaurants</source>
        <translation>Restaurants turcs</translation>
    </message>
    <message>
        <source>Lodging</source>
        <translation>Hébergement</translation>
    </message>
    <message>
        <source>Hotels</source>
        <translation>Hôtels</translation>
    </message>
    <message>
        <source>Bed &amp; Breakfasts</source>
        <translation>Chambres d&apos;hôtes</translation>
    </message>
    <message>
        <source>Skiing &amp; Ski Resorts</source>
        <translation>Ski et stations de ski</translation>
    </message>
    <message>
        <source>Campgrounds</source>
        <translation>Campings</translation>
    </message>
    <message>
        <source>R V Parks</source>
        <translation>Aires de camping-cars</translation>
    </message>
    <message>
        <source>Resorts</source>
        <translation>Complexes hôteliers</translation>
    </message>
    <message>
        <source>Vacation Rentals</source>
        <translation>Locations de vacances</translation>
    </message>
    <message>
        <source>Health Care</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>All Health Care</source>
        <translation>Tous les services de santé</translation>
    </message>
    <message>
        <source>Dentists</source>
        <translation>Dentistes</translation>
    </message>
    <message>
        <source>Hospitals</source>
        <translation>Hôpitaux</translation>
    </message>
    <message>
        <source>Pharmacies</source>
        <translation>Pharmacies</translation>
    </message>
    <message>
        <source>Chiropractors</source>
        <translation>Chiropracteurs</translation>
    </message>
    <message>
        <source>Physicians</source>
        <translation>Médecins</translation>
    </message>
    <message>
        <source>Dermatologists</source>
        <translation>Dermatologues</translation>
    </message>
    <message>
        <source>Family Practice Physicians</source>
        <translation>Médecins généralistes</translation>
    </message>
    <message>
        <source>Internal Medicine Physicians</source>
        <translation>Médecins internistes</translation>
    </message>
    <message>
        <source>Obstetricians &amp; Gynecologists</source>
        <translation>Obstétriciens et gynécologues</translation>
    </message>
    <message>
        <source>Ophthalmologists</source>
        <translation>Ophtalmologues</translation>
    </message>
    <message>
        <source>Pediatricians</source>
        <translation>Pédiatres</translation>
    </message>
    <message>
        <source>Other Health Practitioners</source>
        <translation>Autres professionnels de santé</translation>
    </message>
    <message>
        <source>Medical Laboratories</source>
        <translation>Laboratoires d&apos;analyses médicales</translation>
    </message>
    <message>
        <source>Nursing Homes &amp; Residential Care Facilities </source>
        <translation>Maisons de retraite et établissements de soins </translation>
    </message>
    <message>
        <source>Other Outpatient Care Centers</source>
        <translation>Autres centres de soins ambulatoires</translation>
    </message>
    <message>
        <source>Psychiatric &amp; Substance Abuse Hospitals</source>
        <translation>Hôpitaux psychiatriques et centres d&apos;addictologie</translation>
    </message>
    <message>
        <source>Specialty Hospitals</source>
        <translation>Hôpitaux spécialisés</translation>
    </message>
    <message>
        <source>Opticians &amp; Optical Centers</source>
        <translation>Opticiens et centres d&apos;optique</translation>
    </message>
    <message>
        <source>Optometrists</source>
        <translation>Optométristes</translation>
    </message>
    <message>
        <source>Eye Care Centers</source>
        <translation>Centres ophtalmologiques</translation>
    </message>
    <message>
        <source>Emergency Rooms</source>
        <translation>Urgences</translation>
    </message>
    <message>
        <source>Urgent Care Clinics</source>
        <translation>Centres de soins d&apos;urgence</translation>
    </message>
    <message>
        <source>Shopping/Retail</source>
        <translation>Shopping/Commerces</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Shopping</translation>
    </message>
    <message>
        <source>Department Stores</source>
        <translation>Grands magasins</translation>
    </message>
    <message>
        <source>Grocery Stores</source>
        <translation>Épiceries</translation>
    </message>
    <message>
        <source>Malls &amp; Shopping Centers</source>
        <translation>Galeries marchandes et centres commerciaux</translation>
    </message>
    <message>
        <source>Clothing Stores</source>
        <translation>Magasins de vêtements</translation>
    </message>
    <message>
        <source>Retail Shops</source>
        <translation>Commerces de détail</translation>
    </message>
    <message>
        <source>Sporting Goods Stores</source>
        <translation>Magasins de sport</translation>
    </message>
    <message>
        <source>Convenience Stores</source>
        <translation>Supérettes</translation>
    </message>
    <message>
        <source>Book Stores</source>
        <translation>Librairies</translation>
    </message>
    <message>
        <source>Food Markets</source>
        <translation>Marchés alimentaires</translation>
    </message>
    <message>
        <source>Antique Stores</source>
        <translation>Antiquaires</translation>
    </message>
    <message>
        <source>Florists</source>
        <translation>Fleuristes</translation>
    </message>
    <message>
        <source>General Merchandise Stores</source>
        <translation>Magasins généralistes</translation>
    </message>
    <message>
        <source>Hardware &amp; Building Materials Stores</source>
        <translation>Quincailleries et matériaux de construction</translation>
    </message>
    <message>
        <source>Liquor, Wine &amp; Beer Stores</source>
        <translation>Spiritueux, vins et bières</translation>
    </message>
    <message>
        <source>Variety Stores</source>
        <translation>Bazars</translation>
    </message>
    <message>
        <source>Music Stores</source>
        <translation>Magasins de musique</translation>
    </message>
    <message>
        <source>Newsstands</source>
        <translation>Kiosques à journaux</translation>
    </message>
    <message>
        <source>Lawn &amp; Garden Stores</source>
        <translation>Jardineries</translation>
    </message>
    <message>
        <source>Furniture Stores</source>
        <translation>Magasins de meubles</translation>
    </message>
    <message>
        <source>Houseware Stores</source>
        <translation>Magasins d&apos;articles ménagers</translation>
    </message>
    <message>
        <source>Office Supplies &amp; Stationery Stores</source>
        <translation>Papeteries et fournitures de bureau</translation>
    </message>
    <message>
        <source>Wholesale Clubs</source>
        <translation>Clubs-entrepôts</translation>
    </message>
    <message>
        <source>Entertainment &amp; Recreation</source>
        <translation>Loisirs et divertissements</translation>
    </message>
    <message>
        <source>Nightclubs</source>
        <translation>Boîtes de nuit</translation>
    </message>
    <message>
        <source>Casinos</source>
        <translation>Casinos</translation>
    </message>
    <message>
        <source>Convention Facilities</source>
        <translation>Centres de congrès</translation>
    </message>
    <message>
        <source>Golf Courses</source>
        <translation>Terrains de golf</translation>
    </message>
    <message>
        <source>Movie Theaters</source>
        <translation>Cinémas</translation>
    </message>
    <message>
        <source>Museums</source>
        <translation>Musées</translation>
    </message>
    <message>
        <source>Amusement Parks</source>
        <translation>Parcs d&apos;attractions</translation>
    </message>
    <message>
        <source>Amusement Places</source>
        <translation>Lieux de divertissement</translation>
    </message>
    <message>
        <source>Parks</source>
        <translation>Parcs</translation>
    </message>
    <message>
        <source>Zoos</source>
        <translation>Zoos</translation>
    </message>
    <message>
        <source>Aquariums</source>
        <translation>Aquariums</translation>
    </message>
    <message>
        <source>Stadiums &amp; Arenas</source>
        <translation>Stades et palais des sports</translation>
    </message>
    <message>
        <source>Performing Arts/Live Theaters</source>
        <translation>Arts du spectacle/Théâtres</translation>
    </message>
    <message>
        <source>Bowling Alleys</source>
        <translation>Bowlings</translation>
    </message>
    <message>
        <source>Fishing</source>
        <translation>Pêche</translation>
    </message>
    <message>
        <source>Hunting</source>
        <translation>Chasse</translation>
    </message>
    <message>
        <source>Marinas</source>
        <translation>Ports de plaisance</translation>
    </message>
    <message>
        <source>Race Tracks</source>
        <translation>Circuits de course</translation>
    </message>
    <message>
        <source>Ice Skating Rinks</source>
        <translation>Patinoires</translation>
    </message>
    <message>
        <source>Paint Ball</source>
        <translation>Paintball</translation>
    </message>
    <message>
        <source>Wineries</source>
        <translation>Domaines viticoles</translation>
    </message>
    <message>
        <source>Non-Casino Gambling</source>
        <translation>Jeux d&apos;argent hors casino</translation>
    </message>
    <message>
        <source>Comedy Clubs</source>
        <translation>Cafés-théâtres</translation>
    </message>
    <message>
        <source>Banks &amp; ATMs</source>
        <translation>Banques et distributeurs</translation>
    </message>
    <message>
        <source>ATMs</source>
        <translation>Distributeurs de billets</translation>
    </message>
    <message>
        <source>Banks</source>
        <translation>Banques</translation>
    </message>
    <message>
        <source>Currency Exchange</source>
        <translation>Bureaux de change</translation>
    </message>
    <message>
        <source>Check Cashing</source>
        <translation>Encaissement de chèques</translation>
    </message>
    <message>
        <source>Public Offices &amp; Services</source>
        <translation>Administrations et services publics</translation>
    </message>
    <message>
        <source>Courts</source>
        <translation>Tribunaux</translation>
    </message>
    <message>
        <source>Libraries</source>
        <translation>Bibliothèques</translation>
    </message>
    <message>
        <source>Police Stations</source>
        <translation>Commissariats</translation>
    </message>
    <message>
        <source>Post Offices</source>
        <translation>Bureaux de poste</translation>
    </message>
    <message>
        <source>Schools</source>
        <translation>Écoles</translation>
    </message>
    <message>
        <source>Colleges/Universities</source>
        <translation>Écoles supérieures/Universités</translation>
    </message>
    <message>
        <source>Fire Stations</source>
        <translation>Casernes de pompiers</translation>
    </message>
    <message>
        <source>Travel &amp; Tourism</source>
        <translation>Voyages et tourisme</translation>
    </message>
    <message>
        <source>Airports</source>
        <translation>Aéroports</translation>
    </message>
    <message>
        <source>Tourist Attractions</source>
        <translation>Attractions touristiques</translation>
    </message>
    <message>
        <source>Tourist Info</source>
        <translation>Offices de tourisme</translation>
    </message>
    <message>
        <source>Historical Sites</source>
        <translation>Sites historiques</translation>
    </message>
    <message>
        <source>Landmarks</source>
        <translation>Monuments</translation>
    </message>
    <message>
        <source>Bus Stations</source>
        <translation>Gares routières</translation>
    </message>
    <message>
        <source>Car Rental</source>
        <translation>Location de voitures</translation>
    </message>
    <message>
        <source>Parking</source>
        <translation>Parkings</translation>
    </message>
    <message>
        <source>Train Stations</source>
        <translation>Gares</translation>
    </message>
    <message>
        <source>Car Service</source>
        <translation>Voitures avec chauffeur</translation>
    </message>
    <message>
        <source>Limousine Service</source>
        <translation>Location de limousines</translation>
    </message>
    <message>
        <source>Taxicabs</source>
        <translation>Taxis</translation>
    </message>
    <message>
        <source>Airlines</source>
        <translation>Compagnies aériennes</translation>
    </message>
    <message>
        <source>Travel Agents</source>
        <translation>Agences de voyages</translation>
    </message>
    <message>
        <source>Ferry Terminal</source>
        <translation>Gare maritime</translation>
    </message>
    <message>
        <source>Rest Areas</source>
        <translation>Aires de repos</translation>
    </message>
    <message>
        <source>Personal Services</source>
        <translation>Services à la personne</translation>
    </message>
    <message>
        <source>Barbers</source>
        <translation>Barbiers</translation>
    </message>
    <message>
        <source>Beauty Salons</source>
        <translation>Instituts de beauté</translation>
    </message>
    <message>
        <source>Day Spas</source>
        <translation>Spas</translation>
    </message>
    <message>
        <source>Copying &amp; Duplicating Services</source>
        <translation>Photocopie et reprographie</translation>
    </message>
    <message>
        <source>Laundries &amp; Cleaners</source>
        <translation>Blanchisseries et pressings</translation>
    </message>
    <message>
        <source>Self Service Laundries</source>
        <translation>Laveries automatiques</translation>
    </message>
    <message>
        <source>Mailing &amp; Shipping Services</source>
        <translation>Services d&apos;envoi et d&apos;expédition</translation>
    </message>
    <message>
        <source>Churches</source>
        <translation>Églises</translation>
    </message>
    <message>
        <source>Synagogues</source>
        <translation>Synagogues</translation>
    </message>
    <message>
        <source>temples</source>
        <translation>Temples</translation>
    </message>
    <message>
        <source>Mosques</source>
        <translation>Mosquées</translation>
    </message>
    <message>
        <source>Places of Worship</source>
        <translation>Lieux de culte</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>Automobile</translation>
    </message>
    <message>
        <source>Gas Stations</source>
        <translation>Stations-service</translation>
    </message>
    <message>
        <source>Auto Parts Stores</source>
        <translation>Magasins de pièces auto</translation>
    </message>
    <message>
        <source>Auto Repair Shops</source>
        <translation>Garages</translation>
    </message>
    <message>
        <source>Oil Change Shops</source>
        <translation>Centres de vidange</translation>
    </message>
    <message>
        <source>Tire Shops</source>
        <translation>Magasins de pneus</translation>
    </message>
    <message>
        <source>Auto Dealers</source>
        <translation>Concessionnaires automobiles</translation>
    </message>
    <message>
        <source>Used Car Dealers</source>
        <translation>Voitures d&apos;occasion</translation>
    </message>
    <message>
        <source>Auto Clubs</source>
        <translation>Automobile-clubs</translation>
    </message>
    <message>
        <source>Car Washes</source>
        <translation>Stations de lavage</translation>
    </message>
    <message>
        <source>Truck Stops</source>
        <translation>Relais routiers</translation>
    </message>
    <message>
        <source>Motorcycle Dealers</source>
        <translation>Concessionnaires moto</translation>
    </message>
    <message>
        <source>Auto Body Shops</source>
        <translation>Carrosseries</translation>
    </message>
    <message>
        <source>Truck Rental</source>
        <translation>Location de camions</translation>
    </message>
    <message>
        <source>Smog Inspection Stations</source>
        <translation>Centres de contrôle antipollution</translation>
    </message>
    <message>
        <source>Electric Charging Stations</source>
        <translation>Bornes de recharge électrique</translation>
    </message>
</context>
<context>
    <name>PlanAction</name>
    <message>
        <source>Plan Route</source>
        <translation>Planifier l&apos;itinéraire</translation>
    </message>
</context>
<context>
    <name>favunfav</name>
    <message>
        <source>Unfavorite</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
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
    <name>hx::trellan::places::MyPlaceSelectorPrivate</name>
    <message>
        <source>Home Deleted!</source>
        <translation>Domicile supprimé !</translation>
    </message>
    <message>
        <source>Work Deleted!</source>
        <translation>Travail supprimé !</translation>
    </message>
    <message>
        <source>was removed from My Places because the contact entry no longer includes an address.</source>
        <translation>a été retiré de Mes lieux, car la fiche du contact ne comporte plus d&apos;adresse.</translation>
    </message>
    <message>
        <source>Favorite Removed!</source>
        <translation>Favori supprimé !</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add Favorite</source>
        <translation>Ajouter un favori</translation>
    </message>
    <message>
        <source>Add Contact</source>
        <translation>Ajouter un contact</translation>
    </message>
</context>
<context>
    <name>hx::trellan::places::Places</name>
    <message>
        <source>Address Not Found</source>
        <translation>Adresse introuvable</translation>
    </message>
    <message>
        <source>Can&apos;t find the address for %1 on a map. Do you want to continue ?</source>
        <translation>Impossible de trouver l&apos;adresse de %1 sur une carte. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Lieux</translation>
    </message>
    <message>
        <source>Retrieving details...</source>
        <translation>Récupération des détails...</translation>
    </message>
</context>
<context>
    <name>hx::trellan::places::SelectorSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Your current location:</source>
        <translation>Votre position actuelle :</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>Address Not Found</source>
        <translation>Adresse introuvable</translation>
    </message>
    <message>
        <source>Use Coordinates</source>
        <translation>Utiliser les coordonnées</translation>
    </message>
    <message>
        <source>An exact address or location name could not be found.  Would you like to use the location coordinates instead?
Latitude %1 Longitude %2</source>
        <translation>Aucune adresse exacte ni aucun nom de lieu n&apos;a été trouvé.  Voulez-vous plutôt utiliser les coordonnées du lieu ?
Latitude %1 Longitude %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Latitude %1 Longitude %2</source>
        <translation>Latitude %1 Longitude %2</translation>
    </message>
</context>
<context>
    <name>hx::trellan::places::TCSItemIconCommon</name>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Y aller</translation>
    </message>
    <message>
        <source>Plan Route</source>
        <translation>Planifier l&apos;itinéraire</translation>
    </message>
    <message>
        <source>View Details</source>
        <translation>Afficher les détails</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete Home</source>
        <translation>Supprimer le domicile</translation>
    </message>
    <message>
        <source>Delete Work</source>
        <translation>Supprimer le travail</translation>
    </message>
</context>
<context>
    <name>hx::trellan::places::TitleBarEdit</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
</TS>
