// Folivo: document information, viewer preferences, reusable objects, local spaces and tables.

#include "pdf/core/viewer_prefs.hpp"
#include "pdf/fonts/font_table.hpp"
#include "pdf/folivo_impl.hpp"

namespace folivo {

// ---- document information and viewer preferences ----

void Folivo::SetDocProperty(const std::string& DocTitle, const std::string& DocSubject,
                            const std::string& DocAuthor, const std::string& DocCreator,
                            const std::string& DocProducer, const std::string& DocKeywords) {
    impl_->doc_.info.title = DocTitle;
    impl_->doc_.info.subject = DocSubject;
    impl_->doc_.info.keywords = DocKeywords;
    if (!DocAuthor.empty()) impl_->doc_.info.author = DocAuthor;
    if (!DocCreator.empty()) impl_->doc_.info.creator = DocCreator;
    if (!DocProducer.empty()) impl_->doc_.info.producer = DocProducer;
}

void Folivo::SetViewerPreferences(int32_t Mode) { impl_->doc_.viewerMode = Mode; }

void FolivoImpl::WriteViewerPreferenceLines() {
    const ViewerPreferenceLines prefs = BuildViewerPreferences(doc_.viewerMode, !doc_.nav.outline.Empty());
    RequireVersion(prefs.versionLevel);
    for (const std::string& line : prefs.lines) WriteLine(line);
}

// ---- reusable objects ----

void Folivo::BeginObject(const std::string& Alias, int32_t Options) {
    if (impl_->doc_.content.objectOpen) return;
    impl_->doc_.reusable.table.push_back({Alias, Options});
    impl_->doc_.content.object.Reset();
    impl_->doc_.content.objectOpen = true;
}

void Folivo::EndObject() {
    if (!impl_->doc_.content.objectOpen) return;
    impl_->doc_.content.objectOpen = false;
    const std::string alias = fonts::NameToken(impl_->doc_.reusable.table.back().alias);
    const int32_t objNum = impl_->StartObject();
    impl_->WriteLine("<< /Type /XObject /Subtype /Form /FormType 1 /Name /" + alias + "\r/BBox [0 0 " +
                     impl_->FormatNum(impl_->doc_.page.width) + " " + impl_->FormatNum(impl_->doc_.page.height) +
                     "]\r/Matrix [1 0 0 1 0 0]");
    impl_->PutStream(std::string(impl_->doc_.content.object.Text()), objNum);
    impl_->CloseObject();
    impl_->doc_.content.object.Reset();
    impl_->doc_.resources.xobjects += "/" + alias + " " + std::to_string(objNum) + " 0 R \r";
}

void Folivo::PlayObject(const std::string& Name) {
    impl_->AddContent("q /" + fonts::NameToken(Name) + " Do Q");
    impl_->ListObjectAnnotations(Name);
}

void FolivoImpl::PlayAutomaticObjects(int32_t placement) {
    for (const ReusableObject& object : doc_.reusable.table) {
        if (object.options & placement) api_.PlayObject(object.alias);
    }
}

// ---- local spaces ----

void Folivo::BeginSpace(float NewX, float NewY, float ScaleX, float ScaleY, float Angle) {
    impl_->AddContent("q");
    if (NewX != 0 || NewY != 0 || ScaleX != 1 || ScaleY != 1) {
        impl_->AddContent(impl_->FormatNum(ScaleX) + " 0 0 " + impl_->FormatNum(ScaleY) + " " + impl_->FormatPt(NewX) +
                          " " + impl_->FormatPt(NewY) + " cm");
    }
    if (Angle != 0) AxisRotation(Angle);
    SetXY(0, 0);
}

void Folivo::EndSpace() { impl_->AddContent("Q"); }

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
    api_.SetXY(curX, curY);
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

void Folivo::BeginTable(float X, float Y) {
    if (impl_->doc_.table.rowOpen) EndTable();
    impl_->doc_.table = TableLayout{};
    impl_->doc_.table.originX = X;
    impl_->doc_.table.originY = Y;
    SetXY(X, Y);
    impl_->SaveTableSettings();
    impl_->AddContent("q");
}

void Folivo::BeginRow(float Height) {
    if (impl_->doc_.table.rowOpen) EndRow();
    impl_->doc_.table.rowHeight = Height;
    impl_->doc_.table.columnX = 0;
    BeginSpace(impl_->doc_.table.originX, impl_->doc_.table.originY + impl_->doc_.table.rowY);
    // A row spans the width left between the table's left edge and the right margin.
    impl_->DrawCell(GetPageWidth(true) - impl_->doc_.table.originX, Height);
    impl_->doc_.table.rowY += Height;
    impl_->doc_.table.rowOpen = true;
}

void Folivo::BeginColumn(float Width) {
    if (!impl_->doc_.table.rowOpen) return;
    if (impl_->doc_.table.columnOpen) EndColumn();
    impl_->doc_.table.columnWidth = Width;
    BeginSpace(impl_->doc_.table.columnX, 0);
    impl_->DrawCell(Width, impl_->doc_.table.rowHeight);
    impl_->doc_.table.columnX += Width;
    impl_->doc_.table.columnOpen = true;
}

void Folivo::EndColumn() {
    if (!impl_->doc_.table.columnOpen) return;
    EndSpace();
    impl_->doc_.table.columnOpen = false;
    impl_->RestoreTableSettings(impl_->doc_.table.columnX, 0);  // the next column's corner, in the row's space
}

void Folivo::EndRow() {
    if (!impl_->doc_.table.rowOpen) return;
    EndColumn();
    EndSpace();
    impl_->doc_.table.rowOpen = false;
    impl_->RestoreTableSettings(impl_->doc_.table.originX,
                                impl_->doc_.table.originY + impl_->doc_.table.rowY);  // the next row's corner
}

void Folivo::EndTable() {
    EndRow();
    impl_->AddContent("Q");
    impl_->RestoreTableSettings(impl_->doc_.table.originX, impl_->doc_.table.originY + impl_->doc_.table.rowY);
}

}  // namespace folivo
