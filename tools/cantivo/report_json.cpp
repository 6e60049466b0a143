#include "tools/cantivo/report_json.h"

namespace cantivo::host {

namespace {

using Json = nlohmann::ordered_json;

Json Range(const ValueRange& range) {
    if (!range.any) return nullptr;
    return Json{{"low", range.low}, {"high", range.high}};
}

Json Notes(const NoteChanges& n) {
    Json shift = Range(n.shift);
    if (n.moved) shift["mean"] = static_cast<double>(n.shiftSum) / n.moved;
    return Json{
        {"before", n.before},
        {"after", n.after},
        {"paired", n.paired},
        {"changed", n.changed},
        {"moved", n.moved},
        {"earlier", n.earlier},
        {"later", n.later},
        {"shift", shift},
        {"velocity", {{"before", Range(n.velocityBefore)}, {"after", Range(n.velocityAfter)}, {"changed", n.velocityChanged}}},
        {"duration", {{"before", Range(n.durationBefore)}, {"after", Range(n.durationAfter)}, {"changed", n.durationChanged}}},
    };
}

}  // namespace

Json ReportJson(const ChangeReport& report) {
    Json tracks = Json::array();
    for (const TrackChanges& track : report.tracks) tracks.push_back({{"name", track.name}, {"notes", Notes(track.notes)}});
    Json controllers = Json::array();
    for (const ControllerChanges& c : report.controllers) {
        controllers.push_back({{"controller", c.controller == kPitchWheel ? Json("wheel") : Json(c.controller)},
                               {"name", ControllerName(c.controller)},
                               {"before", c.before},
                               {"after", c.after},
                               {"added", c.added},
                               {"removed", c.removed}});
    }
    return Json{{"notes", Notes(report.notes)}, {"tracks", tracks}, {"controllers", controllers}};
}

std::string JsonText(const Json& json) { return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n"; }

}  // namespace cantivo::host
