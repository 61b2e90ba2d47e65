// Folivo: document information, viewer preferences, reusable objects, local spaces and tables.

#include "pdf/core/viewer_prefs.hpp"
#include "pdf/fonts/font_table.hpp"
#include "pdf/folivo.hpp"

namespace folivo {

// ---- document information and viewer preferences ----

void Folivo::SetDocProperty(const std::string& DocTitle, const std::string& DocSubject,
                            const std::string& DocAuthor, const std::string& DocCreator,
                            const std::string& DocProducer, const std::string& DocKeywords) {
    info_.title = DocTitle;
    info_.subject = DocSubject;
    info_.keywords = DocKeywords;
    if (!DocAuthor.empty()) info_.author = DocAuthor;
    if (!DocCreator.empty()) info_.creator = DocCreator;
    if (!DocProducer.empty()) info_.producer = DocProducer;
}

void Folivo::SetViewerPreferences(int32_t Mode) { viewerMode_ = Mode; }

void Folivo::WriteViewerPreferenceLines() {
    const ViewerPreferenceLines prefs = BuildViewerPreferences(viewerMode_, /*hasOutlines=*/false);
    RequireVersion(prefs.versionLevel);
    for (const std::string& line : prefs.lines) WriteLine(line);
}

// ---- reusable objects ----

void Folivo::BeginObject(const std::string& Alias, int32_t Options) {
    if (content_.objectOpen) return;
    reusable_.table.push_back({Alias, Options});
    content_.object.Reset();
    content_.objectOpen = true;
}

void Folivo::EndObject() {
    if (!content_.objectOpen) return;
    content_.objectOpen = false;
    const std::string alias = fonts::NameToken(reusable_.table.back().alias);
    const int32_t objNum = StartObject();
    WriteLine("<< /Type /XObject /Subtype /Form /FormType 1 /Name /" + alias + "\r/BBox [0 0 " +
              FormatNum(page_.width) + " " + FormatNum(page_.height) + "]\r/Matrix [1 0 0 1 0 0]");
    PutStream(std::string(content_.object.Text()), objNum);
    CloseObject();
    content_.object.Reset();
    resources_.xobjects += "/" + alias + " " + std::to_string(objNum) + " 0 R \r";
}

void Folivo::PlayObject(const std::string& Name) {
    AddContent("q /" + fonts::NameToken(Name) + " Do Q");
    ListObjectAnnotations(Name);
}

void Folivo::PlayAutomaticObjects(int32_t placement) {
    for (const ReusableObject& object : reusable_.table) {
        if (object.options & placement) PlayObject(object.alias);
    }
}

// ---- local spaces ----

void Folivo::BeginSpace(float NewX, float NewY, float ScaleX, float ScaleY, float Angle) {
    AddContent("q");
    if (NewX != 0 || NewY != 0 || ScaleX != 1 || ScaleY != 1) {
        AddContent(FormatNum(ScaleX) + " 0 0 " + FormatNum(ScaleY) + " " + FormatPt(NewX) + " " + FormatPt(NewY) +
                   " cm");
    }
    if (Angle != 0) AxisRotation(Angle);
    SetXY(0, 0);
}

void Folivo::EndSpace() { AddContent("Q"); }

// ---- tables ----

void Folivo::SaveTableSettings() {
    table_.saved = {colors_.fill, colors_.fillPattern, colors_.line, colors_.linePattern, colors_.text,
                    colors_.textPattern, text_, lineWidth_, page_.curX, page_.curY};
}

void Folivo::RestoreTableSettings(float curX, float curY) {
    const GraphicSettings& s = table_.saved;
    colors_.fill = s.fill;
    colors_.fillPattern = s.fillPattern;
    colors_.line = s.line;
    colors_.linePattern = s.linePattern;
    colors_.text = s.text;
    colors_.textPattern = s.textPattern;
    text_ = s.font;
    lineWidth_ = s.lineWidth;
    SetXY(curX, curY);
}

void Folivo::DrawCell(float width, float height) {
    const float inset = lineWidth_ / page_.scale / 2;
    // Only a fill colour chosen inside the table paints the cell; the page's own fill colour
    // (black from BeginPage) would hide the cell's text.
    if (!colors_.fill.empty() && colors_.fill != table_.saved.fill) {
        AddContent(FormatPt(inset) + " " + FormatPt(inset) + " " + FormatPt(width - 2 * inset) + " " +
                   FormatPt(height - 2 * inset) + " re f*");
    }
    if (lineWidth_ > 0) AddContent("0 0 " + FormatPt(width) + " " + FormatPt(height) + " re S");
}

void Folivo::BeginTable(float X, float Y) {
    if (table_.rowOpen) EndTable();
    table_ = TableLayout{};
    table_.originX = X;
    table_.originY = Y;
    SetXY(X, Y);
    SaveTableSettings();
    AddContent("q");
}

void Folivo::BeginRow(float Height) {
    if (table_.rowOpen) EndRow();
    table_.rowHeight = Height;
    table_.columnX = 0;
    BeginSpace(table_.originX, table_.originY + table_.rowY);
    // A row spans the width left between the table's left edge and the right margin.
    DrawCell(GetPageWidth(true) - table_.originX, Height);
    table_.rowY += Height;
    table_.rowOpen = true;
}

void Folivo::BeginColumn(float Width) {
    if (!table_.rowOpen) return;
    if (table_.columnOpen) EndColumn();
    table_.columnWidth = Width;
    BeginSpace(table_.columnX, 0);
    DrawCell(Width, table_.rowHeight);
    table_.columnX += Width;
    table_.columnOpen = true;
}

void Folivo::EndColumn() {
    if (!table_.columnOpen) return;
    EndSpace();
    table_.columnOpen = false;
    RestoreTableSettings(table_.columnX, 0);  // the next column's corner, in the row's space
}

void Folivo::EndRow() {
    if (!table_.rowOpen) return;
    EndColumn();
    EndSpace();
    table_.rowOpen = false;
    RestoreTableSettings(table_.originX, table_.originY + table_.rowY);  // the next row's corner
}

void Folivo::EndTable() {
    EndRow();
    AddContent("Q");
    RestoreTableSettings(table_.originX, table_.originY + table_.rowY);
}

}  // namespace folivo
