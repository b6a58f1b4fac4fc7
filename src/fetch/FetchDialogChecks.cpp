#include "fetch/FetchDialogs.h"
#include "fetch/ScheduleSource.h"

namespace zofar {

std::optional<std::string> CheckFetchChoices(const FetchChoices& choices) {
    if (!FindScheduleSource(choices.source)) return "Please choose a schedule source.";
    if (!ParseSeason(choices.season)) return "Please enter the season as a letter and two digits, like B26.";
    const std::string& url = choices.folderUrl;
    if (!url.starts_with("http://") && !url.starts_with("https://"))
        return "Please enter an address that begins with http:// or https://.";
    return std::nullopt;
}

}  // namespace zofar
