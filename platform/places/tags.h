#ifndef HX_PLATFORM_PLACES_TAGS_H
#define HX_PLATFORM_PLACES_TAGS_H

namespace hx {
namespace platform {
namespace places {

// Tags are plain texts: the store keeps any tag string a caller adds (free-text tags included),
// and these are the ones with a meaning. The texts are stable because they are stored.
class Tags
{
public:
    static constexpr const char Favorite[] = "favorite";
    static constexpr const char MyHome[] = "myhome";
    static constexpr const char MyWork[] = "mywork";
    // A contact's home or work address (with contact auxiliary data).
    static constexpr const char Home[] = "home";
    static constexpr const char Work[] = "work";
    static constexpr const char CurrentLocation[] = "currentlocation";

    // Main point-of-interest categories.
    static constexpr const char Airport[] = "category:airport";
    static constexpr const char Automotive[] = "category:automotive";
    static constexpr const char Bank[] = "category:bank";
    static constexpr const char Entertainment[] = "category:entertainment";
    static constexpr const char HealthCare[] = "category:healthcare";
    static constexpr const char Lodging[] = "category:lodging";
    static constexpr const char PersonalServices[] = "category:personalservices";
    static constexpr const char PublicOffices[] = "category:publicoffices";
    static constexpr const char Restaurant[] = "category:restaurant";
    static constexpr const char Shopping[] = "category:shopping";
    static constexpr const char Travel[] = "category:travel";
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
