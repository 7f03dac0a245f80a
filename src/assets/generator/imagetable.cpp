#include "imagetable.h"

#include <QtCore/QStringList>
#include <QtCore/QTextStream>

#include <cmath>

namespace {

using E = ImageEntry;

const QRgb White = 0xFFFAFAFA;
const QRgb Grey = 0xFFB1B1B1;
const QRgb Blue = 0xFF00ABE3;
const QRgb Link = 0xFF0092CC;
const QRgb Gold = 0xFFF5B800;
const QRgb Red = 0xFFDA3737;
const QRgb Clear = 0x00000000;

// Row icons: LIST_ICON_SIZE; details icons: DETAILVIEW_ICON_WIDTH and _HEIGHT; actions:
// TITLEBAR_ICON_SIZE.
constexpr float Row = 8.1f;
constexpr float Detail = 8;
constexpr float Action = 8.1f;

E row(const char *name, const char *glyph, QRgb disc, const char *symbol, const char *shownIn)
{
    return { name, E::Application, E::Disc, glyph, White, disc, Row, Row, symbol, shownIn, 0 };
}

E detail(const char *name, const char *glyph, QRgb colour, const char *symbol, const char *shownIn)
{
    return { name, E::Application, E::Glyph, glyph, colour, Clear, Detail, Detail, symbol, shownIn, 0 };
}

E action(const char *name, const char *glyph, const char *symbol, const char *shownIn)
{
    return { name, E::Application, E::Glyph, glyph, White, Clear, Action, Action, symbol, shownIn, 0 };
}

E stars(const char *name, int halfSteps)
{
    // RATING_BAR_RATING_STARS_WIDTH by _HEIGHT, the largest place stars are drawn.
    return { name,     E::Application,
             E::Stars, "star",
             Red,      Grey,
             29.8f,    5.44f,
             "★",      "the rating in list rows, the map's rating bar, the review sheet and each review",
             halfSteps };
}

const QList<ImageEntry> table = {
    // Carried by the library in its resources.
    { "ic_my_places.png", E::Library, E::Glyph, "place", White, Clear, Action, Action, "⚲",
      "the My Places button of the search bar", 0 },
    { "ic_my_places_pressed.png", E::Library, E::Glyph, "place", Blue, Clear, Action, Action, "⚲",
      "the My Places button of the search bar, pressed", 0 },
    { "ic_add_as_place.png", E::Library, E::Glyph, "add_location_alt", White, Clear, Action, Action, "⚲",
      "the add-as-place action", 0 },
    { "ic_add_contact.png", E::Library, E::Glyph, "person_add", White, Clear, Action, Action, "☺",
      "the add-contact action of an empty Contacts tab and of a card", 0 },
    { "ic_map.png", E::Library, E::Glyph, "map", White, Clear, Action, Action, "▦",
      "the Map action of cards and row menus", 0 },
    { "cc_down.png", E::Library, E::Glyph, "expand_more", White, Clear, 6, 6, "↓", "the More footer of a list section",
      0 },
    { "cc_up.png", E::Library, E::Glyph, "expand_less", White, Clear, 6, 6, "↑",
      "the footer that collapses an opened list section", 0 },
    { "cc_more.png", E::Library, E::Glyph, "info_outline", White, Clear, 6, 6, "ⓘ",
      "the more-details circle at the right of a place row", 0 },
    { "cs_nc_no_map.png", E::Library, E::Backdrop, "location_off", Grey, 0xFF262626, 90, 42, "⊘",
      "the place card where no map can be drawn", 0 },
    { "ic_opentable_sml.png", E::Library, E::Badge, "event_seat", White, Red, 12, 6, "⊞",
      "the booking link of the details", 0 },
    { "CornerFavorite.png", E::Library, E::Corner, "star", White, Gold, 5, 5, "★", "the corner mark of a favourite row",
      0 },

    // Asked of the application.
    { "Corner_Tab_wStar.png", E::Application, E::Corner, "star", White, Gold, 6, 6, "★",
      "the corner mark of a favourite's map", 0 },
    { "cs_nc_contacts.png", E::Application, E::Glyph, "contacts", Grey, Clear, 20, 20, "☺", "an empty Contacts tab",
      0 },
    { "cs_nc_location.png", E::Application, E::Glyph, "history", Grey, Clear, 20, 20, "↺",
      "an empty Recents tab and search list", 0 },
    { "cs_nc_favorite.png", E::Application, E::Glyph, "star_outline", Grey, Clear, 20, 20, "☆",
      "an empty Favorites tab", 0 },
    { "ic_searchresults_more.png", E::Application, E::Glyph, "view_list", White, Clear, 8, 8, "☰",
      "the list button of the search bar", 0 },
    { "purple_pin.png", E::Application, E::Pin, "place", 0xFF8E3FD0, Clear, 8, 12.8f, "⚲",
      "the pin over the place on a card's map", 0 },
    { "map_details_gradient.png", E::Application, E::Veil, "", 0x99000000, Clear, 1, 9, "░",
      "the veil behind the map's rating bar and the assistant card's address bar", 0 },
    { "forward.png", E::Application, E::Glyph, "chevron_right", White, Clear, 6, 6, "→",
      "the arrow of the map's rating bar", 0 },
    { "yelp_logo_100x50.png", E::Application, E::Badge, "star", White, Red, 12.5f, 6.25f, "✪",
      "the review provider's logo in the rating bar and the review sheet", 0 },
    stars("stars_large@2x_5star.png", 10),
    stars("stars_large@2x_4.5star.png", 9),
    stars("stars_large@2x_4star.png", 8),
    stars("stars_large@2x_3.5star.png", 7),
    stars("stars_large@2x_3star.png", 6),
    stars("stars_large@2x_2.5star.png", 5),
    stars("stars_large@2x_2star.png", 4),
    stars("stars_large@2x_1.5star.png", 3),
    stars("stars_large@2x_1star.png", 2),

    row("ic_poi.png", "place", 0xFF1E88E5, "⚲", "the row of a point of interest, an address or a place on a map"),
    row("ic_no_map.png", "not_listed_location", 0xFF757575, "⊘", "the row of a place without a position"),
    row("ic_food.png", "restaurant", 0xFFF4511E, "Ψ",
        "the row of a restaurant; a restaurant's category in the details"),
    row("ic_airport.png", "flight", 0xFF3949AB, "✈", "the row of an airport"),
    row("ic_travel.png", "luggage", 0xFF00897B, "⚑", "the row of a travel and tourism place"),
    row("ic_lodging.png", "hotel", 0xFF8E24AA, "ℍ", "the row of a hotel; lodging's category in the details"),
    row("ic_health.png", "local_hospital", 0xFFE53935, "✚",
        "the row of a health care place; its category in the details"),
    row("ic_shopping.png", "shopping_cart", 0xFF43A047, "¤", "the row of a shop"),
    row("ic_entertainment.png", "theater_comedy", 0xFFD81B60, "♪", "the row of an entertainment place"),
    row("ic_banks_atm.png", "local_atm", 0xFF2E7D32, "$", "the row of a bank or cash machine"),
    row("ic_publicoffices.png", "account_balance", 0xFF546E7A, "⚖", "the row of a public office"),
    row("ic_personalservices.png", "content_cut", 0xFF6D4C41, "✂", "the row of a personal service"),
    row("ic_automotive.png", "directions_car", 0xFF455A64, "⛟", "the row of an automotive place"),
    row("ic_gas.png", "local_gas_station", 0xFFF9A825, "⛟", "the row of a gas station suggestion"),
    row("ic_category.png", "category", 0xFF00ACC1, "◆", "the row of a category suggestion; a category in the details"),
    row("ic_home.png", "home", Blue, "⌂", "the row of home; the home action and the editor's Home choice"),
    row("ic_work.png", "work", Blue, "⚒", "the row of work; the work action and the editor's Work choice"),
    row("ic_contact_home.png", "house", 0xFF7CB342, "⌂", "the row of a contact's home address"),
    row("ic_contact_work.png", "business_center", 0xFF7CB342, "⚒", "the row of a contact's work address"),
    row("contact.png", "person", 0xFF7CB342, "☺", "the row of a contact; the Contacts action of the editor"),
    row("ic_contact_border.png", "account_circle", 0xFF757575, "☺", "a contact without a photo"),
    row("favorite.png", "star", Gold, "★", "the editor's Favorite choice"),
    row("search.png", "search", 0xFF757575, "⌕", "the row of a recent search"),

    detail("ic_phone.png", "phone", Link, "☎", "a phone number in the details"),
    detail("ic_contact_home_phone.png", "phone", Link, "☎", "a contact's home phone in the details"),
    detail("ic_contact_work_phone.png", "contact_phone", Link, "☎", "a contact's work phone in the details"),
    detail("ic_contact_mobile_phone.png", "smartphone", Link, "☎", "a contact's mobile phone in the details"),
    detail("ic_email.png", "email", Link, "✉", "an e-mail address in the details"),
    detail("ic_weblink.png", "language", Link, "↗", "a website in the details"),
    detail("ic_hours.png", "schedule", Grey, "◷", "today's opening hours in the details"),
    detail("ic_payment.png", "payment", Grey, "▭", "the payment methods in the details"),
    detail("ic_pricerange.png", "attach_money", Grey, "$", "the price range in the details"),
    detail("ic_reservations.png", "event_seat", Grey, "⊞", "reservations in the details"),
    detail("ic_parking.png", "local_parking", Grey, "Ⓟ", "parking in the details"),
    detail("ic_view_details.png", "notes", Grey, "≡",
           "the description in the details; the View Details action of row menus"),

    action("ic_add_favorite.png", "star_outline", "☆", "the Favorite action"),
    action("ic_remove_favorite.png", "star", "★", "the Unfavorite action"),
    action("maps_ic_go.png", "navigation", "➤", "the Go action"),
    action("ic_plan_route.png", "directions", "⇢", "the Plan Route action"),
    action("share.png", "share", "⤴", "the Share action"),
    action("edit.png", "edit", "✎", "the Edit action"),
    action("deleteplace.png", "delete", "⌫", "the Delete, Delete Home and Delete Work actions"),
    action("ic_add_field.png", "playlist_add", "+", "the editor's Add Field action"),
    action("back.png", "arrow_back", "←", "the back action of the review sheet and the web page"),
    action("ic_done.png", "done", "✓", "the preview's Select action"),
    action("mylocation.png", "my_location", "⌖", "the My Location action"),
};

// Device folders of the embedded images, with the density each is painted at.
const QList<ImageVariant> variantTable = {
    { "ic_add_as_place.png", "1440x1440", 16 },
    { "ic_add_contact.png", "1440x1440", 16 },
    { "cs_nc_no_map.png", "1440x1440", 16 },
    { "ic_opentable_sml.png", "1440x1440", 16 },
    { "ic_map.png", "12ppd", 12 },
};

// The folder every display of this simulator matches by density.
const char DensityFolder[] = "12ppd";

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1×%2").arg(size.width()).arg(size.height());
}

} // namespace

const QList<ImageEntry> &ImageTable::entries()
{
    return table;
}

const QList<ImageVariant> &ImageTable::variants()
{
    return variantTable;
}

const ImageEntry *ImageTable::find(const QString &name)
{
    for (const ImageEntry &entry : table) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

QStringList ImageTable::displays()
{
    return { QStringLiteral("720x720"), QStringLiteral("720x1280"), QStringLiteral("1080x1920"),
             QStringLiteral("1440x1440") };
}

QSize ImageTable::pixelSize(const ImageEntry &entry, float pixelsPerDu)
{
    return QSize(qRound(entry.widthDu * pixelsPerDu), qRound(entry.heightDu * pixelsPerDu));
}

QSize ImageTable::pixelSize(const ImageEntry &entry, const QString &display)
{
    // The toolkit takes the resolution folder first, then the density folder, then the base.
    for (const QString &folder : { display, QString::fromLatin1(DensityFolder) }) {
        for (const ImageVariant &variant : variantTable) {
            if (folder == QLatin1String(variant.folder) && qstrcmp(variant.name, entry.name) == 0)
                return pixelSize(entry, variant.pixelsPerDu);
        }
    }
    return pixelSize(entry, PixelsPerDu);
}

QString ImageTable::markdown()
{
    QString text;
    QTextStream out(&text);
    out << "# The images the library draws\n\n"
        << "Generated from the asset generator's image table (`src/assets/generator/imagetable.cpp`) by "
           "`tst_imagetable`; edit the table, not this page.\n\n"
        << "Images the library *embeds* are in its resources (`asset://hx.trellan.places/places_images/`). "
           "Images it *asks the application for* are looked up in the application's assets "
           "(`asset:///places_images/`, the folder `HX_APP_ASSETS` names), then in the default set installed "
           "under `share/hxtrellanplaces/assets`; an application's own file of the same name wins. "
           "Sizes are in pixels, for each display the device-size properties name. The symbol is what the "
           "terminal draws in its place.\n\n"
        << "| Image | Shown in | Glyph | " << displays().join(QStringLiteral(" | ")) << " | Source | Symbol |\n"
        << "|---|---|---|" << QString(QStringLiteral("---|")).repeated(displays().size()) << "---|---|\n";
    for (const ImageEntry &entry : table) {
        out << "| `" << entry.name << "` | " << QString::fromUtf8(entry.shownIn) << " | "
            << (entry.glyph[0] ? QStringLiteral("`%1`").arg(QLatin1String(entry.glyph)) : QStringLiteral("(veil)"))
            << " | ";
        for (const QString &display : displays())
            out << sizeText(pixelSize(entry, display)) << " | ";
        out << (entry.origin == ImageEntry::Library ? "embedded" : "application") << " | "
            << QString::fromUtf8(entry.symbol) << " |\n";
    }
    return text;
}
