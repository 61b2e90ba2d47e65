#pragma once
// What the interactive layer records while a document is built, written by EndDoc.

#include <cstdint>
#include <string>

#include <array>
#include <map>
#include <vector>

#include "pdf/forms/field_tree.hpp"
#include "pdf/navigation/destination_table.hpp"
#include "pdf/navigation/field_widget.hpp"
#include "pdf/navigation/layer_table.hpp"
#include "pdf/navigation/outline.hpp"

namespace folivo::navigation {

struct PageLabel {
    std::string style;  // " /S /D" ...
    std::string prefix;
    int32_t firstValue = 0;  // 0: not given
};

struct NavigationState {
    Outline outline;
    int32_t outlineRoot = 0;  // object of the outline root once written
    DestinationTable destinations;
    int32_t destinationsObj = 0;
    std::vector<int32_t> pageAnnots;  // annotation objects of the open page
    // Annotations made while a reusable object was recorded, by the object's name token; listed
    // on every page that plays the object.
    std::map<std::string, std::vector<int32_t>> objectAnnots;
    std::map<int32_t, PageLabel> pageLabels;  // by page index from 0
    std::string transition;  // "<< /Type /Trans ..." for the open (or next) page
    float showTime = 0;
    LayerTable layers;
    int32_t openLayers = 0;  // BeginLayer calls not yet ended
    std::vector<Field> fields;
    forms::FieldTree fieldTree;  // parents of dotted names and radio fields, written by EndDoc
    int32_t dingbatsObj = 0;     // the form's ZapfDingbats font, once written
    std::array<std::string, 9> scripts;    // by OnDocEvent type
    std::array<int32_t, 9> scriptObjects{};  // document scripts once written
    std::string pageActions;               // "/AA << .. >>\r" of the page being written
};

}  // namespace folivo::navigation
