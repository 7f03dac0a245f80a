<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AddFieldAction</name>
    <message>
        <source>Add Field</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactPickerAction</name>
    <message>
        <source>Contacts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeleteAction</name>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeleteHomeAction</name>
    <message>
        <source>Delete Home</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeleteWorkAction</name>
    <message>
        <source>Delete Work</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditAction</name>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldTypesSheet</name>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapAction</name>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapHolder</name>
    <message numerus="yes">
        <source>%1 Addresses Found</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MyHomeAction</name>
    <message>
        <source>Edit Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Home</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyWorkAction</name>
    <message>
        <source>Edit Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Work</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameField</name>
    <message>
        <source>Favorite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have already set a %1. Do you want to replace this address?

Current %1 Address
%2

New %1 address
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Replace</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NavigateAction</name>
    <message>
        <source>Go</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting your location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find your exact location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to find your current location.  Ensure that you are in a network coverage area and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Month or Earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestions Near Map Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points of Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latest reviews</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read full reviews on:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching for Reviews on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reviews</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrieving details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Results Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results for: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation></translation>
    </message>
    <message>
        <source>Add Favorite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A place name is required to save this as a favorite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email not recognized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Required Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place Name*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The place can&apos;t be found, id = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some search results are unavailable because your location is unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Recents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type to enter search term or address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter search term or address for suggestions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 Addresses Found</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start adding favorite places, like your home and work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start adding contacts. Contacts without addresses will not appear in this list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Recents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start searching to see recent places here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding your location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as place %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for a fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location found, looking up its address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No location found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are at: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Near your destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here is what I found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assistant card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Places Action</name>
    <message>
        <source>My Location</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlacesDetail</name>
    <message>
        <source>OPEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLOSED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuisine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amenities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dress Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live Entertainment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toll Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Phone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Phone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile Phone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speciality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours of operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a reservation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlacesDetail::Subcategory</name>
    <message>
        <source>Restaurants &amp; Bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>American Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burger Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bars &amp; Nightclubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brewery/Pubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine Bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coffee Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast Food Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sushi Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mexican Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pizza Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seafood Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vegan Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vegetarian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barbecue/Southern Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Californian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filipino Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian/Polynesian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jewish/Kosher Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bagel Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doughnut Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bakeries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argentinean Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazilian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peruvian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latin American Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Eastern Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moroccan Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sandwich/Deli Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steak House Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thai Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vietnamese Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cajun Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caribbean Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bistro Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continental Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finnish Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grill Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>International Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snacks and Beverage Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breakfast Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chicken Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ice Cream Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tapas Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Irish Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malaysian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fusion Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creole Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creperies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pastry Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indonesian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fondue Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chilean Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azerbaijani Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baltic Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belorussian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caucasian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>African Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Austrian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balkan Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belgian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bohemian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canadian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dutch Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East European Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hungarian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maltese Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polish Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portuguese Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scandinavian Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Southwestern Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surinamese Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swiss Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lodging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bed &amp; Breakfasts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skiing &amp; Ski Resorts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campgrounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R V Parks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resorts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacation Rentals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health Care</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Health Care</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dentists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hospitals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pharmacies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiropractors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physicians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dermatologists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family Practice Physicians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal Medicine Physicians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obstetricians &amp; Gynecologists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ophthalmologists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pediatricians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Health Practitioners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medical Laboratories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nursing Homes &amp; Residential Care Facilities </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Outpatient Care Centers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Psychiatric &amp; Substance Abuse Hospitals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specialty Hospitals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opticians &amp; Optical Centers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optometrists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eye Care Centers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency Rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Urgent Care Clinics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shopping/Retail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grocery Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malls &amp; Shopping Centers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clothing Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retail Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sporting Goods Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convenience Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food Markets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antique Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Florists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Merchandise Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware &amp; Building Materials Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquor, Wine &amp; Beer Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variety Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newsstands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lawn &amp; Garden Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Furniture Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Houseware Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office Supplies &amp; Stationery Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wholesale Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entertainment &amp; Recreation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nightclubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Casinos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convention Facilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Golf Courses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie Theaters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Museums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amusement Parks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amusement Places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquariums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stadiums &amp; Arenas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Performing Arts/Live Theaters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bowling Alleys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fishing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hunting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marinas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race Tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ice Skating Rinks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint Ball</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wineries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non-Casino Gambling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comedy Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banks &amp; ATMs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATMs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency Exchange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Cashing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public Offices &amp; Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Courts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libraries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Police Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post Offices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colleges/Universities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Travel &amp; Tourism</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tourist Attractions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tourist Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historical Sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bus Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car Rental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limousine Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taxicabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airlines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Travel Agents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferry Terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rest Areas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beauty Salons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Spas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying &amp; Duplicating Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laundries &amp; Cleaners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Self Service Laundries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mailing &amp; Shipping Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Churches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synagogues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>temples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mosques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places of Worship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Parts Stores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Repair Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oil Change Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tire Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Dealers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used Car Dealers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car Washes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truck Stops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motorcycle Dealers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Body Shops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truck Rental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smog Inspection Stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electric Charging Stations</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanAction</name>
    <message>
        <source>Plan Route</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>favunfav</name>
    <message>
        <source>Unfavorite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hx::trellan::places::CustomDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hx::trellan::places::MyPlaceSelectorPrivate</name>
    <message>
        <source>Home Deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>was removed from My Places because the contact entry no longer includes an address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite Removed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Favorite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Contact</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hx::trellan::places::Places</name>
    <message>
        <source>Address Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find the address for %1 on a map. Do you want to continue ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrieving details...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hx::trellan::places::SelectorSheet</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your current location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An exact address or location name could not be found.  Would you like to use the location coordinates instead?
Latitude %1 Longitude %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude %1 Longitude %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hx::trellan::places::TCSItemIconCommon</name>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Work</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hx::trellan::places::TitleBarEdit</name>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
