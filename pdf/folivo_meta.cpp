// Folivo: document information, viewer preferences, reusable objects, local spaces and tables.

#include "pdf/core/viewer_prefs.hpp"
#include "pdf/fonts/font_table.hpp"
#include "pdf/folivo_impl.hpp"

namespace folivo {

// ---- document information and viewer preferences ----

void FolivoImpl::SetDocProperty(const std::string& DocTitle, const std::string& DocSubject,
                                const std::string& DocAuthor, const std::string& DocCreator,
                                const std::string& DocProducer, const std::string& DocKeywords) {
    doc_.info.title = DocTitle;
    doc_.info.subject = DocSubject;
    doc_.info.keywords = DocKeywords;
    if (!DocAuthor.empty()) doc_.info.author = DocAuthor;
    if (!DocCreator.empty()) doc_.info.creator = DocCreator;
    if (!DocProducer.empty()) doc_.info.producer = DocProducer;
}

void FolivoImpl::SetViewerPreferences(int32_t Mode) { doc_.viewerMode = Mode; }

void FolivoImpl::WriteViewerPreferenceLines() {
    const ViewerPreferenceLines prefs = BuildViewerPreferences(doc_.viewerMode, !doc_.nav.outline.Empty());
    RequireVersion(prefs.versionLevel);
    for (const std::string& line : prefs.lines) WriteLine(line);
}

// ---- reusable objects ----

void FolivoImpl::BeginObject(const std::string& Alias, int32_t Options) {
    if (doc_.content.objectOpen) return;
    doc_.reusable.table.push_back({Alias, Options});
    doc_.content.object.Reset();
    doc_.content.objectOpen = true;
}

void FolivoImpl::EndObject() {
    if (!doc_.content.objectOpen) return;
    doc_.content.objectOpen = false;
    const std::string alias = fonts::NameToken(doc_.reusable.table.back().alias);
    const int32_t objNum = StartObject();
    WriteLine("<< /Type /XObject /Subtype /Form /FormType 1 /Name /" + alias + "\r/BBox [0 0 " +
              FormatNum(doc_.page.width) + " " + FormatNum(doc_.page.height) + "]\r/Matrix [1 0 0 1 0 0]");
    PutStream(std::string(doc_.content.object.Text()), objNum);
    CloseObject();
    doc_.content.object.Reset();
    doc_.resources.xobjects += "/" + alias + " " + std::to_string(objNum) + " 0 R \r";
}

void FolivoImpl::PlayObject(const std::string& Name) {
    AddContent("q /" + fonts::NameToken(Name) + " Do Q");
    ListObjectAnnotations(Name);
}

void FolivoImpl::PlayAutomaticObjects(int32_t placement) {
    for (const ReusableObject& object : doc_.reusable.table) {
        if (object.options & placement) PlayObject(object.alias);
    }
}

// ---- local spaces ----

void FolivoImpl::BeginSpace(float NewX, float NewY, float ScaleX, float ScaleY, float Angle) {
    AddContent("q");
    if (NewX != 0 || NewY != 0 || ScaleX != 1 || ScaleY != 1) {
        AddContent(FormatNum(ScaleX) + " 0 0 " + FormatNum(ScaleY) + " " + FormatPt(NewX) + " " + FormatPt(NewY) +
                   " cm");
    }
    if (Angle != 0) AxisRotation(Angle);
    SetXY(0, 0);
}

void FolivoImpl::EndSpace() { AddContent("Q"); }

// ---- tables ----

void FolivoImpl::SaveTableSettings() {
    const ColorState& colors = doc_.colors;
    doc_.table.saved = {colors.fill, colors.fillPattern, colors.line,      colors.linePattern, colors.text,
                        colors.textPattern, doc_.text,  doc_.lineWidth, doc_.page.curX,     doc_.page.curY};
}

void FolivoImpl::RestoreTableSettings(float curX, float curY) {
    const GraphicSettings& s = doc_.table.saved;
    doc_.colors.fill = s.fill;
    doc_.colors.fillPattern = s.fillPattern;
    doc_.colors.line = s.line;
    doc_.colors.linePattern = s.linePattern;
    doc_.colors.text = s.text;
    doc_.colors.textPattern = s.textPattern;
    doc_.text = s.font;
    doc_.lineWidth = s.lineWidth;
    SetXY(curX, curY);
}

void FolivoImpl::DrawCell(float width, float height) {
    const float inset = doc_.lineWidth / doc_.page.scale / 2;
    // Only a fill colour chosen inside the table paints the cell; the page's own fill colour
    // (black from BeginPage) would hide the cell's text.
    if (!doc_.colors.fill.empty() && doc_.colors.fill != doc_.table.saved.fill) {
        AddContent(FormatPt(inset) + " " + FormatPt(inset) + " " + FormatPt(width - 2 * inset) + " " +
                   FormatPt(height - 2 * inset) + " re f*");
    }
    if (doc_.lineWidth > 0) AddContent("0 0 " + FormatPt(width) + " " + FormatPt(height) + " re S");
}

void FolivoImpl::BeginTable(float X, float Y) {
    if (doc_.table.rowOpen) EndTable();
    doc_.table = TableLayout{};
    doc_.table.originX = X;
    doc_.table.originY = Y;
    SetXY(X, Y);
    SaveTableSettings();
    AddContent("q");
}

void FolivoImpl::BeginRow(float Height) {
    if (doc_.table.rowOpen) EndRow();
    doc_.table.rowHeight = Height;
    doc_.table.columnX = 0;
    BeginSpace(doc_.table.originX, doc_.table.originY + doc_.table.rowY);
    // A row spans the width left between the table's left edge and the right margin.
    DrawCell(GetPageWidth(true) - doc_.table.originX, Height);
    doc_.table.rowY += Height;
    doc_.table.rowOpen = true;
}

void FolivoImpl::BeginColumn(float Width) {
    if (!doc_.table.rowOpen) return;
    if (doc_.table.columnOpen) EndColumn();
    doc_.table.columnWidth = Width;
    BeginSpace(doc_.table.columnX, 0);
    DrawCell(Width, doc_.table.rowHeight);
    doc_.table.columnX += Width;
    doc_.table.columnOpen = true;
}

void FolivoImpl::EndColumn() {
    if (!doc_.table.columnOpen) return;
    EndSpace();
    doc_.table.columnOpen = false;
    RestoreTableSettings(doc_.table.columnX, 0);  // the next column's corner, in the row's space
}

void FolivoImpl::EndRow() {
    if (!doc_.table.rowOpen) return;
    EndColumn();
    EndSpace();
    doc_.table.rowOpen = false;
    RestoreTableSettings(doc_.table.originX, doc_.table.originY + doc_.table.rowY);  // the next row's corner
}

void FolivoImpl::EndTable() {
    EndRow();
    AddContent("Q");
    RestoreTableSettings(doc_.table.originX, doc_.table.originY + doc_.table.rowY);
}

}  // namespace folivo
