// The document's side of downloaded schedules: Database > Download schedule, the download and
// the database it builds, and the note that a newer season has begun.
#include <filesystem>

#include "base/IniFile.h"
#include "fetch/DownloadSettings.h"
#include "fetch/FetchVerdict.h"
#include "fetch/ScheduleFetch.h"
#include "document/CZOFDoc.h"
#include "import/SourceKinds.h"

namespace zofar {

void CZOFDoc::OnDownloadSchedule() {
    HttpTransfer* http = fetchDialogs_.ScheduleTransfer();
    if (!http) return;
    const IniFile settings = IniFile::Load(paths_.settingsFile);
    FetchDialogInput input;
    input.folderOfSource = FolderUrls(settings);
    // A downloaded schedule that is open names its source; otherwise EiBi, whose import exists.
    const ScheduleSource* source = &ScheduleSources().front();
    for (const auto& candidate : ScheduleSources()) {
        const std::string prefix = std::string(candidate.databasePrefix) + "-";
        if (IsOpen() && SeasonOfScheduleDatabase(DatabaseName()) && DatabaseName().starts_with(prefix))
            source = &candidate;
    }
    input.choices = {std::string(source->name), SeasonCode(SeasonOf(clock_.NowUtc())), FolderUrlOf(settings, *source)};

    fetchDialogs_.RunDownloadScheduleDialog(input, [&](const FetchChoices& choices, DownloadProgress& progress) {
        if (auto problem = CheckFetchChoices(choices)) {
            prompts_.ShowMessage(*problem);
            return false;
        }
        const ScheduleSource& chosen = *FindScheduleSource(choices.source);
        // An address the user typed is the one the next download starts from.
        IniFile kept = IniFile::Load(paths_.settingsFile);
        if (FolderUrlOf(kept, chosen) != choices.folderUrl) {
            SetFolderUrl(kept, chosen, choices.folderUrl);
            if (!kept.Save(paths_.settingsFile))
                prompts_.ShowMessage("The address could not be kept in the settings file " + paths_.settingsFile + ".");
        }
        FetchRequest request{choices.source, *ParseSeason(choices.season), choices.folderUrl, {}, {}};
        const FetchStatus status = FetchSchedule(request, *http, progress);
        return status != FetchStatus::Failed;
    });
}

FetchStatus CZOFDoc::FetchSchedule(const FetchRequest& request, HttpTransfer& http, DownloadProgress& progress) {
    const ScheduleSource* source = FindScheduleSource(request.source);
    if (!source) {
        prompts_.ShowMessage("There is no schedule source named \"" + request.source + "\".");
        return FetchStatus::Failed;
    }
    const std::optional<int> importKind = SourceKindNamed(source->importKind);
    if (!importKind) {
        prompts_.ShowMessage("There is no import for " + std::string(source->label) + " schedules.");
        return FetchStatus::Failed;
    }
    const std::string name =
        request.databaseName.empty() ? ScheduleDatabaseName(*source, request.season) : request.databaseName;
    if (!IsPlainDatabaseName(name)) {
        prompts_.ShowMessage("\"" + name + "\" cannot be the name of a database.");
        return FetchStatus::Failed;
    }
    const std::string folderUrl =
        request.folderUrl.empty() ? FolderUrlOf(IniFile::Load(paths_.settingsFile), *source) : request.folderUrl;
    const std::string root = paths_.cacheFolder.empty() ? CacheRoot(SystemEnvironment()) : paths_.cacheFolder;
    if (root.empty()) {
        prompts_.ShowMessage("There is no folder to keep downloads in: neither XDG_CACHE_HOME nor HOME is set.");
        return FetchStatus::Failed;
    }
    const std::string label = std::string(source->label) + " schedule " + SeasonLabel(request.season);
    const std::string shownUrl = ExpandSeason(folderUrl, request.season);

    prompts_.ShowStatusMessage("Downloading the " + label + " from " + shownUrl);
    SeasonCache cache(root, *source, request.season);
    const long long now = EpochOfUtc(clock_.NowUtc());
    const FetchedSeason fetched =
        FetchSeasonFiles(*source, request.season, folderUrl, request.limits, cache, http, progress, now);

    switch (fetched.status) {
    case FetchStatus::Cancelled: prompts_.ShowStatusMessage(fetched.message); return fetched.status;
    case FetchStatus::Failed:
        prompts_.ShowStatusMessage("The " + label + " was not downloaded.");
        prompts_.ShowMessage(fetched.message);
        return fetched.status;
    case FetchStatus::Downloaded:
    case FetchStatus::NotModified:
    case FetchStatus::FromCache: break;
    }

    std::error_code ec;
    const bool exists = std::filesystem::is_regular_file(folder_.ExistingPathOf(name), ec);
    if (fetched.status != FetchStatus::Downloaded && exists) {
        // Nothing new: the database stays as it is, and is what the user now looks at.
        if (!IsOpen() || !SameDatabaseName(DatabaseName(), name)) {
            if (IsOpen()) OnDatabaseClose();
            prompts_.SetWaitCursor(true);
            OpenDatabase(name);
        }
        if (fetched.status == FetchStatus::NotModified) {
            prompts_.ShowStatusMessage("The " + label + " is current.");
        } else {
            prompts_.ShowMessage(fetched.message);
        }
        return fetched.status;
    }

    const std::string previous = IsOpen() ? DatabaseName() : std::string();
    if (IsOpen()) OnDatabaseClose();
    const std::vector<std::string> files = SeasonFileNames(*source, request.season);
    CreateDatabaseRequest create;
    create.name = name;
    create.sourcePath = cache.PathOf(files.front());
    create.sourceFolder = cache.Folder();
    create.sourceFileName = files.front();
    create.sourceKind = *importKind;
    if (files.size() > 1) create.codesPath = cache.PathOf(files[1]);
    create.replace = true;
    if (!CreateDatabase(create)) {
        // Files the import refused are taken whole again next time, not answered "not modified".
        if (fetched.status == FetchStatus::Downloaded) cache.ForgetValidators();
        if (!previous.empty()) {
            prompts_.SetWaitCursor(true);
            OpenDatabase(previous);
        }
        return FetchStatus::Failed;
    }
    if (fetched.status == FetchStatus::FromCache) prompts_.ShowMessage(fetched.message);
    return fetched.status;
}

void CZOFDoc::NoteNewerSeason() {
    if (!IsOpen()) return;
    const auto season = SeasonOfScheduleDatabase(DatabaseName());
    if (!season) return;
    const Season current = SeasonOf(clock_.NowUtc());
    if (!(*season < current)) return;
    const std::string label = SeasonLabel(current);
    if (newerSeasonNoted_ == label) return;
    newerSeasonNoted_ = label;
    prompts_.ShowStatusMessage("A newer schedule (" + label + ") is available: Database > Download schedule...");
}

}  // namespace zofar
