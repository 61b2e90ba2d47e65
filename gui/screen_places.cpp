#include "gui/screen_places.hpp"

#include <array>

namespace kv::gui {

namespace {

// Left: the company list and, under it, its two small groups, which the wait panel covers while a
// report runs. Right: months, year, report and output, the date, and the two buttons.
constexpr std::array<ControlPlace, 36> kPlaces = {{
    {"Label1", 0, "", {240, 150, 5520, 480}},
    {"LabelAnno", -1, "", {5880, 240, 600, 360}},
    {"Label1", 1, "", {6480, 150, 1200, 480}},

    {"FrameDitte", -1, "", {60, 780, 7065, 4860}},
    {"ListAzi", -1, "FrameDitte", {120, 300, 6825, 4440}},
    {"Frame3", -1, "", {60, 5760, 3450, 885}},
    {"CheckAzi", -1, "Frame3", {180, 390, 3150, 330}},
    {"FrameOrdAz", -1, "", {3600, 5760, 3525, 885}},
    {"OptOrdListAzi", 0, "FrameOrdAz", {180, 390, 1230, 330}},
    {"OptOrdListAzi", 1, "FrameOrdAz", {1500, 390, 1950, 330}},
    {"Frame12", -1, "", app::kWaitPanelRect},
    {"Label2", 14, "Frame12", {180, 120, 3450, 330}},
    {"Label2", 15, "Frame12", {180, 480, 3450, 330}},
    {kProgressName, -1, "Frame12", {3750, 270, 1950, 360}},
    {"CmdAnnulla", -1, "Frame12", {5820, 180, 1125, 540}},

    {"FrameMesi", -1, "", {7305, 780, 2235, 3690}},
    {"Label5", -1, "FrameMesi", {120, 150, 1995, 300}},
    {"ListMesi", -1, "FrameMesi", {120, 480, 1995, 2595}},
    {"CheckTutti", -1, "FrameMesi", {120, 3210, 1995, 330}},
    {"Label4", -1, "", {9705, 780, 1995, 300}},
    {"OptionAnno", 1, "", {9705, 1110, 1995, 330}},
    {"OptionAnno", 0, "", {9705, 1440, 1995, 330}},
    {"FrameData", -1, "", {9705, 2040, 1995, 1035}},
    {"Label3", -1, "FrameData", {120, 150, 1755, 300}},
    {"txtdata", -1, "FrameData", {120, 480, 1755, 405}},

    {"Frame6", -1, "", {7305, 4620, 4395, 2160}},
    {"OptionDoc", 0, "Frame6", {150, 330, 4095, 300}},
    {"OptionDoc", 1, "Frame6", {150, 660, 4095, 300}},
    {"OptionDoc", 2, "Frame6", {150, 990, 4095, 300}},
    {"OptionDoc", 3, "Frame6", {150, 1320, 4095, 300}},
    {"OptionStampa", 1, "Frame6", {150, 1740, 1800, 300}},
    {"OptionStampa", 0, "Frame6", {2100, 1740, 2145, 300}},

    {"CheckNonSovrascrivere", -1, "", {180, 6780, 4500, 330}},
    {"CheckPdfA", -1, "", {180, 7140, 4500, 330}},
    {"CmdConferma", -1, "", {7305, 7020, 2130, 840}},
    {"CmdUscita", -1, "", {9570, 7020, 2130, 840}},
}};

}  // namespace

const ControlPlace* FindPlace(std::string_view name, int index) {
    for (const ControlPlace& place : kPlaces) {
        if (place.name == name && place.index == index) return &place;
    }
    return nullptr;
}

}  // namespace kv::gui
