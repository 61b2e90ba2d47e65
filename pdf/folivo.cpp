// Folivo's public members forward to the private implementation (pdf/folivo_impl.hpp).

#include "pdf/folivo.hpp"

#include "pdf/folivo_impl.hpp"

namespace folivo {

Folivo::Folivo() : ownHost_(std::make_unique<DefaultHost>()), impl_(std::make_unique<FolivoImpl>(*ownHost_)) {}

Folivo::Folivo(Host& host) : impl_(std::make_unique<FolivoImpl>(host)) {}

Folivo::~Folivo() = default;

std::string Folivo::BeginDoc(const std::string& FileName) { return impl_->BeginDoc(FileName); }
void Folivo::EndDoc() { impl_->EndDoc(); }
void Folivo::Abort() { impl_->Abort(); }
void Folivo::OpenDoc() { impl_->OpenDoc(); }
int32_t Folivo::FileSize() const { return impl_->FileSize(); }
void Folivo::SetMemoryUsage(int16_t Value) { impl_->SetMemoryUsage(Value); }
int32_t Folivo::ErrNumber() const { return impl_->ErrNumber(); }
const std::string& Folivo::ErrSource() const { return impl_->ErrSource(); }
const std::string& Folivo::ErrDescription() const { return impl_->ErrDescription(); }
std::string Folivo::Version() const { return impl_->Version(); }
void Folivo::SetScale(int32_t ScaleMode, std::optional<float> UserFactor) {
    impl_->SetScale(ScaleMode, UserFactor);
}
void Folivo::SetPaperSize(int32_t PaperSize, std::optional<float> UserWidth,
                          std::optional<float> UserHeight) {
    impl_->SetPaperSize(PaperSize, UserWidth, UserHeight);
}
void Folivo::SetMargins(float Left, float Right, float Top, float Bottom, bool ClipPage) {
    impl_->SetMargins(Left, Right, Top, Bottom, ClipPage);
}
void Folivo::SetPageView(int32_t ViewMode) { impl_->SetPageView(ViewMode); }
int32_t Folivo::BeginPage() { return impl_->BeginPage(); }
void Folivo::EndPage() { impl_->EndPage(); }
int32_t Folivo::GetPage() const { return impl_->GetPage(); }
float Folivo::GetPageWidth(bool KeepMargins) const { return impl_->GetPageWidth(KeepMargins); }
float Folivo::GetPageHeight(bool KeepMargins) const { return impl_->GetPageHeight(KeepMargins); }
void Folivo::SetXY(float X, float Y) { impl_->SetXY(X, Y); }
float Folivo::GetX() const { return impl_->GetX(); }
float Folivo::GetY() const { return impl_->GetY(); }
void Folivo::MoveTo(float X, float Y) { impl_->MoveTo(X, Y); }
void Folivo::AxisTranslation(float TranslateX, float TranslateY) {
    impl_->AxisTranslation(TranslateX, TranslateY);
}
void Folivo::AxisScaling(float ScaleX, float ScaleY) { impl_->AxisScaling(ScaleX, ScaleY); }
void Folivo::AxisRotation(float Angle) { impl_->AxisRotation(Angle); }
void Folivo::AxisSkewing(float AngleX, float AngleY) { impl_->AxisSkewing(AngleX, AngleY); }
void Folivo::SetFont(const std::string& FontFamily, float Size, int32_t Style, int32_t Encoding) {
    impl_->SetFont(FontFamily, Size, Style, Encoding);
}
void Folivo::SetFontSize(float Points) { impl_->SetFontSize(Points); }
void Folivo::SetCharSpacing(float w) { impl_->SetCharSpacing(w); }
void Folivo::SetWordSpacing(float w) { impl_->SetWordSpacing(w); }
void Folivo::SetTextHorizontalScaling(float Percent) { impl_->SetTextHorizontalScaling(Percent); }
void Folivo::SetTextMode(int32_t Mode) { impl_->SetTextMode(Mode); }
void Folivo::SetTextLineSpacing(float Value) { impl_->SetTextLineSpacing(Value); }
float Folivo::TextLength(const std::string& Phrase) const { return impl_->TextLength(Phrase); }
float Folivo::TextHeight() const { return impl_->TextHeight(); }
void Folivo::DrawText(float X, float Y, const std::string& Text, int32_t Align) {
    impl_->DrawText(X, Y, Text, Align);
}
void Folivo::WriteText(const std::string& Text, int32_t TextStyle, float PercenteSize) {
    impl_->WriteText(Text, TextStyle, PercenteSize);
}
void Folivo::WriteTextLn(const std::string& Text) { impl_->WriteTextLn(Text); }
std::string Folivo::DrawTextBox(float X, float Y, float Width, float Height, const std::string& Text,
                                float Indentation, int32_t Align, int32_t Options) {
    return impl_->DrawTextBox(X, Y, Width, Height, Text, Indentation, Align, Options);
}
void Folivo::SetFontSubsetting(bool On) { impl_->SetFontSubsetting(On); }

std::string Folivo::AddFont(const std::string& TTFFile, const std::string& FontAlias, bool Embedded,
                            int32_t Encoding) {
    return impl_->AddFont(TTFFile, FontAlias, Embedded, Encoding);
}
void Folivo::SetCompression(int32_t CompressionMode, uint8_t Quality) {
    impl_->SetCompression(CompressionMode, Quality);
}
void Folivo::zzToFlateDecode(std::vector<uint8_t>& ByteArray, int32_t& BufCount, uint8_t CompressionQuality) {
    impl_->zzToFlateDecode(ByteArray, BufCount, CompressionQuality);
}
void Folivo::SetProtection(int32_t Mode, const std::string& OwnerPwd, const std::string& UserPwd) {
    impl_->SetProtection(Mode, OwnerPwd, UserPwd);
}
void Folivo::SetColorFill(const std::string& Color) { impl_->SetColorFill(Color); }
void Folivo::SetColorLine(const std::string& Color) { impl_->SetColorLine(Color); }
void Folivo::SetColorText(const std::string& Color) { impl_->SetColorText(Color); }
void Folivo::SetLineWidth(float Width) { impl_->SetLineWidth(Width); }
void Folivo::DrawLine(float X1, float Y1, float X2, float Y2, int32_t Options) {
    impl_->DrawLine(X1, Y1, X2, Y2, Options);
}
void Folivo::DrawLineTo(float X, float Y, int32_t Options) { impl_->DrawLineTo(X, Y, Options); }
void Folivo::DrawPolyline(const std::vector<float>& Points, int32_t Options) {
    impl_->DrawPolyline(Points, Options);
}
void Folivo::DrawPolygon(float X, float Y, float Ray, int16_t Sides, int32_t Options) {
    impl_->DrawPolygon(X, Y, Ray, Sides, Options);
}
void Folivo::DrawRect(float X, float Y, float xDim, float YDim, int32_t Options, float Ray,
                      int32_t RoundedCorner) {
    impl_->DrawRect(X, Y, xDim, YDim, Options, Ray, RoundedCorner);
}
void Folivo::DrawEllipse(float X, float Y, float XRay, float YRay, int32_t Options) {
    impl_->DrawEllipse(X, Y, XRay, YRay, Options);
}
void Folivo::DrawCircle(float X, float Y, float Ray, int32_t Options) {
    impl_->DrawCircle(X, Y, Ray, Options);
}
void Folivo::DrawArc(float X, float Y, float Ray, float StartAngle, float EndAngle, float Ratio, bool Pie,
                     float Quality, int32_t Options) {
    impl_->DrawArc(X, Y, Ray, StartAngle, EndAngle, Ratio, Pie, Quality, Options);
}
void Folivo::DrawCurve(int16_t CurveType, float X1, float Y1, float X2, float Y2, float X3, float Y3,
                       int32_t Options) {
    impl_->DrawCurve(CurveType, X1, Y1, X2, Y2, X3, Y3, Options);
}
void Folivo::SetDash(const std::string& Pattern, float Phase) { impl_->SetDash(Pattern, Phase); }
void Folivo::SetLineStyle(int32_t Style, float MiterLimit) { impl_->SetLineStyle(Style, MiterLimit); }
void Folivo::SetAlpha(int32_t Value) { impl_->SetAlpha(Value); }
void Folivo::AddGradient(const std::string& Alias, int32_t Style, const std::string& StartColor,
                         const std::string& EndColor, float XStart, float YStart, float XEnd, float YEnd,
                         float RStart, float REnd, bool ExtendBefore, bool ExtendAfter) {
    impl_->AddGradient(Alias, Style, StartColor, EndColor, XStart, YStart, XEnd, YEnd, RStart, REnd, ExtendBefore,
                       ExtendAfter);
}
void Folivo::BeginTiling(const std::string& Alias, float XMin, float YMin, float XMax, float YMax, float XStep,
                         float YStep, int32_t Style) {
    impl_->BeginTiling(Alias, XMin, YMin, XMax, YMax, XStep, YStep, Style);
}
void Folivo::EndTiling() { impl_->EndTiling(); }
const Area& Folivo::LastArea() const { return impl_->LastArea(); }
float Folivo::DrawBarCode(int32_t BarCodeType, const std::string& Code, float& X, float& Y, bool ShowCode,
                          float ZoomFactor, float Height, bool AddCheck) {
    return impl_->DrawBarCode(BarCodeType, Code, X, Y, ShowCode, ZoomFactor, Height, AddCheck);
}
void Folivo::DrawImage(const std::string& Filename, float DestX, float DestY, float ImgWidth, float ImgHeight,
                       int16_t FrameNumber, const std::string& ColorMask) {
    impl_->DrawImage(Filename, DestX, DestY, ImgWidth, ImgHeight, FrameNumber, ColorMask);
}
void Folivo::SetDocProperty(const std::string& DocTitle, const std::string& DocSubject,
                            const std::string& DocAuthor, const std::string& DocCreator,
                            const std::string& DocProducer, const std::string& DocKeywords) {
    impl_->SetDocProperty(DocTitle, DocSubject, DocAuthor, DocCreator, DocProducer, DocKeywords);
}
void Folivo::SetViewerPreferences(int32_t Mode) { impl_->SetViewerPreferences(Mode); }
void Folivo::BeginObject(const std::string& Alias, int32_t Options) { impl_->BeginObject(Alias, Options); }
void Folivo::EndObject() { impl_->EndObject(); }
void Folivo::PlayObject(const std::string& Name) { impl_->PlayObject(Name); }
void Folivo::BeginSpace(float NewX, float NewY, float ScaleX, float ScaleY, float Angle) {
    impl_->BeginSpace(NewX, NewY, ScaleX, ScaleY, Angle);
}
void Folivo::EndSpace() { impl_->EndSpace(); }
void Folivo::BeginTable(float X, float Y) { impl_->BeginTable(X, Y); }
void Folivo::BeginRow(float Height) { impl_->BeginRow(Height); }
void Folivo::BeginColumn(float Width) { impl_->BeginColumn(Width); }
void Folivo::EndColumn() { impl_->EndColumn(); }
void Folivo::EndRow() { impl_->EndRow(); }
void Folivo::EndTable() { impl_->EndTable(); }
std::string Folivo::AddBookmark(const std::string& Caption, int32_t Level, int32_t TypeOfBookmark, float X,
                                float Y, float Width, float Height, float Zoom, const std::string& Color,
                                int32_t FontStyle) {
    return impl_->AddBookmark(Caption, Level, TypeOfBookmark, X, Y, Width, Height, Zoom, Color, FontStyle);
}
void Folivo::DefineRef(const std::string& RefName, int32_t TypeOfBookmark, float X, float Y, float Width,
                       float Height, float Zoom) {
    impl_->DefineRef(RefName, TypeOfBookmark, X, Y, Width, Height, Zoom);
}
void Folivo::LinkTo(const std::string& Destination, float BorderWidth, int32_t OnMouseDown, int32_t TypeOfLink,
                    float X, float Y, float Width, float Height, float Zoom) {
    impl_->LinkTo(Destination, BorderWidth, OnMouseDown, TypeOfLink, X, Y, Width, Height, Zoom);
}
void Folivo::AddNoteBox(const std::string& Text, float X, float Y, float Width, float Height,
                        int32_t TextAlign, int32_t Border, float DashOn, float DashOff, int32_t Flag) {
    impl_->AddNoteBox(Text, X, Y, Width, Height, TextAlign, Border, DashOn, DashOff, Flag);
}
void Folivo::AddNoteIcon(const std::string& Text, int32_t Icon, float X, float Y, bool Opened, int32_t Flag) {
    impl_->AddNoteIcon(Text, Icon, X, Y, Opened, Flag);
}
void Folivo::SetLabel(int32_t PageLabel, const std::string& LabelPrefix, int32_t FirstValue) {
    impl_->SetLabel(PageLabel, LabelPrefix, FirstValue);
}
void Folivo::SetPageTransition(int32_t Transition, float ShowTime, float TransTime) {
    impl_->SetPageTransition(Transition, ShowTime, TransTime);
}
void Folivo::BeginLayer(const std::string& Layer, int32_t StartState, int32_t ShowInList) {
    impl_->BeginLayer(Layer, StartState, ShowInList);
}
void Folivo::EndLayer() { impl_->EndLayer(); }
void Folivo::AddField(const std::string& FieldName, int32_t FieldType, float X, float Y, float xDim,
                      float YDim, const std::string& Value, const std::string& Param,
                      const std::string& Tooltip, int32_t Options) {
    impl_->AddField(FieldName, FieldType, X, Y, xDim, YDim, Value, Param, Tooltip, Options);
}
void Folivo::OnFieldEvent(int32_t OnEvent, const std::string& FieldName, const std::string& Action) {
    impl_->OnFieldEvent(OnEvent, FieldName, Action);
}
void Folivo::OnDocEvent(int32_t EventType, const std::string& Script, bool ResetScript) {
    impl_->OnDocEvent(EventType, Script, ResetScript);
}
void Folivo::ImportPage(const std::string& Filename, int32_t PageNumber, float DestX, float DestY, float xDim,
                        float YDim) {
    impl_->ImportPage(Filename, PageNumber, DestX, DestY, xDim, YDim);
}
int32_t Folivo::GetInfo(const std::string& Filename, std::string& PDFTitle, std::string& PDFSubject,
                        std::string& PDFAuthor, bool& PDFEncrypted) {
    return impl_->GetInfo(Filename, PDFTitle, PDFSubject, PDFAuthor, PDFEncrypted);
}

}  // namespace folivo
