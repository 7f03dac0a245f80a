#ifndef HX_PLATFORM_PLACES_INTERNALTAGS_H
#define HX_PLATFORM_PLACES_INTERNALTAGS_H

namespace hx {
namespace platform {
namespace places {

// Tags the store itself puts on full places it builds for search rows; never stored.
class InternalTags
{
public:
    static constexpr const char Suggestion[] = "internal:suggestion";
    static constexpr const char SuggestionCategory[] = "internal:suggestion-category";
    static constexpr const char SuggestionAirport[] = "internal:suggestion-airport";
    static constexpr const char SuggestionGas[] = "internal:suggestion-gas";
    // A suggestion found with one typing mistake of the text corrected: the text itself found nothing.
    static constexpr const char SuggestionSpelledAlike[] = "internal:suggestion-spelled-alike";
    static constexpr const char RecentSearchTerm[] = "internal:recent-search-term";
    static constexpr const char RecentSearchPointOfInterestCategory[] = "internal:recent-search-poi-category";
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
