#pragma once
// Folivo's implementation, private to the library: the members of the public class (pdf/folivo.hpp,
// where they are documented) over the state of one document, and the steps they share. Each part
// delegates to a component under pdf/ (object store and file sink, content buffers, number and
// string formatting, pages, colour, fonts and text, filters, security, metadata).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/area.hpp"
#include "pdf/barcode/symbol.hpp"
#include "pdf/codec/filter_chain.hpp"
#include "pdf/core/color_state.hpp"
#include "pdf/core/content_router.hpp"
#include "pdf/core/doc_info.hpp"
#include "pdf/core/file_sink.hpp"
#include "pdf/core/object_store.hpp"
#include "pdf/core/page_list.hpp"
#include "pdf/core/page_setup.hpp"
#include "pdf/core/resources.hpp"
#include "pdf/core/reusable_objects.hpp"
#include "pdf/core/table_layout.hpp"
#include "pdf/core/text_spacing.hpp"
#include "pdf/error.hpp"
#include "pdf/fonts/font_table.hpp"
#include "pdf/graphics/graphics_state.hpp"
#include "pdf/graphics/path_text.hpp"
#include "pdf/host.hpp"
#include "pdf/image/image_table.hpp"
#include "pdf/image/vector_target.hpp"
#include "pdf/navigation/link_target.hpp"
#include "pdf/navigation/navigation_state.hpp"
#include "pdf/reader/page_import.hpp"
#include "pdf/security/standard_security.hpp"
#include "pdf/text/line_layout.hpp"
#include "pdf/text/measure.hpp"
#include "pdf/text/text_state.hpp"

namespace folivo {

// Everything one document accumulates between Abort and the next Abort: replaced whole on reset.
struct DocumentState {
    graphics::GraphicsState graphics;
    image::ImageTable images;
    codec::CompressionSettings compression;
    security::SecurityState security;  // security.encrypting: strings and streams are enciphered
    int32_t encryptObj = 0;
    reader::SourceTable sources;         // files read for import, kept until EndDoc
    navigation::NavigationState nav;
    ObjectStore objects;
    ContentRouter content;
    DocInfo info;
    PageSetup page;
    PageList pages;
    ColorState colors;
    Area lastArea;
    ResourceLists resources;
    ReusableObjects reusable;
    TableLayout table;
    TextSpacing spacing;  // reset by every BeginPage
    fonts::FontTable fonts;
    bool fontSubsetting = false;  // SetFontSubsetting: embedded TrueType fonts added later are subset
    text::TextState text;
    float lineWidth = 0;   // points, last SetLineWidth
    std::string fileName;
    int32_t fileSize = 0;
    int32_t versionLevel = 0;
    int32_t viewerMode = 0;
    int32_t errNumber = 0;
    std::string errSource;
    std::string errDescription;
};

class FolivoImpl {
public:
    explicit FolivoImpl(Host& host);
    ~FolivoImpl();
    FolivoImpl(const FolivoImpl&) = delete;
    FolivoImpl& operator=(const FolivoImpl&) = delete;

    std::string BeginDoc(const std::string& FileName = "");
    void EndDoc();
    void Abort();
    void OpenDoc();
    int32_t FileSize() const;
    void SetMemoryUsage(int16_t Value);
    int32_t ErrNumber() const;
    const std::string& ErrSource() const;
    const std::string& ErrDescription() const;
    std::string Version() const;
    void SetScale(int32_t ScaleMode, std::optional<float> UserFactor = std::nullopt);
    void SetPaperSize(int32_t PaperSize, std::optional<float> UserWidth = std::nullopt,
                      std::optional<float> UserHeight = std::nullopt);
    void SetMargins(float Left, float Right, float Top, float Bottom, bool ClipPage = false);
    void SetPageView(int32_t ViewMode);
    int32_t BeginPage();
    void EndPage();
    int32_t GetPage() const;
    float GetPageWidth(bool KeepMargins = false) const;
    float GetPageHeight(bool KeepMargins = false) const;
    void SetXY(float X, float Y);
    float GetX() const;
    float GetY() const;
    void MoveTo(float X, float Y);
    void AxisTranslation(float TranslateX, float TranslateY);
    void AxisScaling(float ScaleX, float ScaleY);
    void AxisRotation(float Angle);
    void AxisSkewing(float AngleX, float AngleY);
    void SetFont(const std::string& FontFamily, float Size = 0, int32_t Style = 0, int32_t Encoding = 0);
    void SetFontSize(float Points);
    void SetCharSpacing(float w);
    void SetWordSpacing(float w);
    void SetTextHorizontalScaling(float Percent);
    void SetTextMode(int32_t Mode);
    void SetTextLineSpacing(float Value);
    float TextLength(const std::string& Phrase) const;
    float TextHeight() const;
    void DrawText(float X, float Y, const std::string& Text, int32_t Align = 0);
    void WriteText(const std::string& Text, int32_t TextStyle = 0, float PercenteSize = 100);
    void WriteTextLn(const std::string& Text);
    std::string DrawTextBox(float X, float Y, float Width, float Height, const std::string& Text,
                            float Indentation = 0, int32_t Align = 0, int32_t Options = 0);
    void SetFontSubsetting(bool On);
    std::string AddFont(const std::string& TTFFile, const std::string& FontAlias = "", bool Embedded = true,
                        int32_t Encoding = 0);
    void SetCompression(int32_t CompressionMode, uint8_t Quality = 0);
    void zzToFlateDecode(std::vector<uint8_t>& ByteArray, int32_t& BufCount, uint8_t CompressionQuality);
    void SetProtection(int32_t Mode, const std::string& OwnerPwd, const std::string& UserPwd);
    void SetColorFill(const std::string& Color);
    void SetColorLine(const std::string& Color);
    void SetColorText(const std::string& Color);
    void SetLineWidth(float Width);
    void DrawLine(float X1, float Y1, float X2, float Y2, int32_t Options = 0);
    void DrawLineTo(float X, float Y, int32_t Options = 0);
    void DrawPolyline(const std::vector<float>& Points, int32_t Options = 0);
    void DrawPolygon(float X, float Y, float Ray, int16_t Sides, int32_t Options = 0);
    void DrawRect(float X, float Y, float xDim, float YDim, int32_t Options = 0, float Ray = 0,
                  int32_t RoundedCorner = 15);
    void DrawEllipse(float X, float Y, float XRay, float YRay, int32_t Options = 0);
    void DrawCircle(float X, float Y, float Ray, int32_t Options = 0);
    void DrawArc(float X, float Y, float Ray, float StartAngle, float EndAngle, float Ratio = 1,
                 bool Pie = false, float Quality = 1, int32_t Options = 0);
    void DrawCurve(int16_t CurveType, float X1, float Y1, float X2, float Y2, float X3 = 0, float Y3 = 0,
                   int32_t Options = 0);
    void SetDash(const std::string& Pattern, float Phase = 0);
    void SetLineStyle(int32_t Style, float MiterLimit = 0);
    void SetAlpha(int32_t Value);
    void AddGradient(const std::string& Alias, int32_t Style, const std::string& StartColor,
                     const std::string& EndColor, float XStart, float YStart, float XEnd, float YEnd,
                     float RStart = 0, float REnd = 0, bool ExtendBefore = false, bool ExtendAfter = false);
    void BeginTiling(const std::string& Alias, float XMin, float YMin, float XMax, float YMax, float XStep,
                     float YStep, int32_t Style = 0);
    void EndTiling();
    const Area& LastArea() const;
    float DrawBarCode(int32_t BarCodeType, const std::string& Code, float& X, float& Y, bool ShowCode = false,
                      float ZoomFactor = 1, float Height = 0, bool AddCheck = false);
    void DrawImage(const std::string& Filename, float DestX = 0, float DestY = 0, float ImgWidth = 0,
                   float ImgHeight = 0, int16_t FrameNumber = 1, const std::string& ColorMask = "");
    void SetDocProperty(const std::string& DocTitle = "", const std::string& DocSubject = "",
                        const std::string& DocAuthor = "", const std::string& DocCreator = "",
                        const std::string& DocProducer = "", const std::string& DocKeywords = "");
    void SetViewerPreferences(int32_t Mode);
    void BeginObject(const std::string& Alias, int32_t Options = 0);
    void EndObject();
    void PlayObject(const std::string& Name);
    void BeginSpace(float NewX = 0, float NewY = 0, float ScaleX = 1, float ScaleY = 1, float Angle = 0);
    void EndSpace();
    void BeginTable(float X, float Y);
    void BeginRow(float Height);
    void BeginColumn(float Width);
    void EndColumn();
    void EndRow();
    void EndTable();
    std::string AddBookmark(const std::string& Caption, int32_t Level = 1, int32_t TypeOfBookmark = 0,
                            float X = 0, float Y = 0, float Width = 0, float Height = 0, float Zoom = 0,
                            const std::string& Color = "", int32_t FontStyle = 0);
    void DefineRef(const std::string& RefName, int32_t TypeOfBookmark = 0, float X = 0, float Y = 0,
                   float Width = 0, float Height = 0, float Zoom = 0);
    void LinkTo(const std::string& Destination, float BorderWidth = 0, int32_t OnMouseDown = 1,
                int32_t TypeOfLink = 0, float X = 0, float Y = 0, float Width = 0, float Height = 0,
                float Zoom = 0);
    void AddNoteBox(const std::string& Text, float X, float Y, float Width, float Height,
                    int32_t TextAlign = 0, int32_t Border = 0, float DashOn = 3, float DashOff = 3,
                    int32_t Flag = 0);
    void AddNoteIcon(const std::string& Text, int32_t Icon = 0, float X = 0, float Y = 0, bool Opened = false,
                     int32_t Flag = 0);
    void SetLabel(int32_t PageLabel, const std::string& LabelPrefix = "", int32_t FirstValue = 0);
    void SetPageTransition(int32_t Transition, float ShowTime = 0, float TransTime = 1);
    void BeginLayer(const std::string& Layer, int32_t StartState = 1, int32_t ShowInList = 1);
    void EndLayer();
    void AddField(const std::string& FieldName, int32_t FieldType, float X, float Y, float xDim, float YDim,
                  const std::string& Value = "", const std::string& Param = "",
                  const std::string& Tooltip = "", int32_t Options = 0);
    void OnFieldEvent(int32_t OnEvent, const std::string& FieldName, const std::string& Action);
    void OnDocEvent(int32_t EventType, const std::string& Script, bool ResetScript = false);
    void ImportPage(const std::string& Filename, int32_t PageNumber, float DestX, float DestY, float xDim = 0,
                    float YDim = 0);
    int32_t GetInfo(const std::string& Filename, std::string& PDFTitle, std::string& PDFSubject,
                    std::string& PDFAuthor, bool& PDFEncrypted);

private:
    // ---- file writing and the object store (folivo_document.cpp) ----
    void WriteLine(std::string_view text);
    int32_t StartObject(int32_t& ObjNum);
    int32_t StartObject();  // the next free number
    void CloseObject();
    void AddContent(std::string_view text);
    std::string FormatNum(float value) const;
    std::string FormatPt(float value) const;  // user units to points
    std::string QuoteString(std::string_view Text);
    std::string EscapeString(std::string_view Text) const;
    void RequireVersion(int32_t n);
    void SetError(const std::string& procedure, const Error& error, const std::string& extra);
    void PutStream(std::string Data, int32_t ObjNum, std::string Filters = "", int32_t Length1 = 0);
    std::string BuildXMP() const;
    void TakeCreationDate();
    void ResetState();
    void OpenOutput(const std::string& fileName);

    // ---- EndDoc's steps (folivo_document.cpp) ----
    int32_t WriteMetadataObject();
    void WriteResourceObjects();
    void WritePageTree();
    int32_t WriteCatalog(int32_t metadataObj);
    int32_t WriteInfoObject();
    void WriteXrefAndTrailer(int32_t infoObj, int32_t catalogObj);
    void PatchVersion();

    // ---- pages (folivo_pages.cpp) ----
    std::string ContentPrefix() const;
    void WritePageObject(int32_t contentObj);  // the page dictionary, naming its content stream

    // ---- colour (folivo_color.cpp) ----
    void ParseColor(std::string& Color, std::string& Second) const;
    std::string ColorToRGB(std::string_view Hex) const;
    // Parses Color into `stored`/`pattern` and adds the operators for it (rg/cs/scn or RG/CS/SCN).
    void ApplyColor(const std::string& Color, bool stroke);

    // ---- graphics (folivo_graphics.cpp) ----
    void PaintPath(int32_t Options);
    void SetLastArea(float X1, float Y1, float X2, float Y2);  // a box in user units
    void AddPath(const graphics::PathText& path, int32_t Options);

    // ---- barcodes (folivo_barcode.cpp) ----
    void DrawBars(const barcode::Symbol& symbol, float left, float top);  // points
    void DrawBarCaptions(const barcode::Symbol& symbol, float X, float Y);  // user units

    // ---- metadata and reusable objects (folivo_meta.cpp) ----
    void WriteViewerPreferenceLines();
    // Plays the reusable objects whose Options ask for it: 1 under every page's content, 2 over it.
    static constexpr int32_t kPlayUnderContent = 1;
    static constexpr int32_t kPlayOverContent = 2;
    void PlayAutomaticObjects(int32_t placement);
    void SaveTableSettings();
    void RestoreTableSettings(float curX, float curY);  // user units
    void DrawCell(float width, float height);

    // ---- images (folivo_image.cpp) ----
    // The entry number for the file and frame, reading the file the first time; 0 when unreadable.
    int32_t FindOrReadImage(const std::string& fileName, const std::string& extension, int32_t frame,
                            const std::string& colorMask);
    void WriteImageObject(int32_t number, const image::Raster& raster);
    void PutPendingImages();  // images drawn before the file was open (called by EndDoc)
    void PlaceImage(int32_t number, float DestX, float DestY, float ImgWidth, float ImgHeight);
    // Metafiles and PostScript pictures are translated into content at every call.
    using VectorPlayer = std::vector<std::string> (*)(std::string_view, image::VectorTarget);
    void PlayWMF(const std::string& fileName, float DestX, float DestY, float ImgWidth, float ImgHeight);
    void PlayEPS(const std::string& fileName, float DestX, float DestY, float ImgWidth, float ImgHeight);
    void PlayVectorFile(const std::string& fileName, VectorPlayer player, float DestX, float DestY,
                        float ImgWidth, float ImgHeight);

    // ---- fonts and text (folivo_text.cpp) ----
    // One positioned line (all text members and barcode captions); lengths in user units.
    void PutText(float X, float Y, float Width, const std::string& Text, float Indent, int32_t Align,
                 bool NewLine);
    // Writes the font object of a record once, when a file is open, and adds its resource entry.
    void PutFontObjects(int32_t index);
    // Writes the objects of fonts selected before the file was open (called by EndDoc).
    void PutPendingFonts();
    // The descriptor, font file and /ToUnicode objects that follow a TrueType font's dictionary.
    void PutTrueTypeObjects(fonts::FontRecord& record);
    // The embedded file (object N + 2) and its /ToUnicode map (N + 3) of the font at object N.
    void PutFontFile(fonts::FontRecord& record, std::string file);
    // EndDoc: the files of subset fonts, cut down to the glyphs drawn.
    void PutSubsetFonts();
    void PutToUnicode(fonts::FontRecord& record, int32_t objNum);
    // Notes the codes drawn with the current font, whose glyphs a subset font keeps.
    void MarkCodesDrawn(std::string_view text);
    const fonts::FontRecord& CurrentFont() const;  // throws when no font is selected
    text::TextMeasure Measure() const;
    void WriteTextObject(float x, float Y, const std::string& Text, const text::LinePlan& plan);
    void DrawTextLines(float x, float Y, float length);
    void DrawBoxOutline(float X, float Y, float Width, float Height, int32_t Options);

    // ---- filters and security (folivo_filters.cpp) ----
    // Applies the chosen encoders and, when protection is on, RC4 under
    // the object's key; `filters` receives the filter names in decoding order.
    void EncodeStream(std::string& data, int32_t objNum, std::string& filters);
    std::string EncryptString(std::string text) const;  // under the current object's key
    void WriteEncryptionObject();                         // the encryption dictionary, at EndDoc
    std::string TrailerEncryptEntries() const;            // "/Encrypt n 0 R /ID [<..><..>]" or ""

    // ---- import (folivo_import.cpp) ----
    reader::ObjectOutput ImportOutput();  // copied objects go into the file under new numbers

    // ---- navigation (folivo_navigation.cpp) ----
    std::string DestinationOf(int32_t type, float X, float Y, float Width, float Height, float Zoom) const;
    std::string PageReference(int32_t page) const;  // "n 0 R ", the last page when out of range
    void WriteOutlines();
    void WriteDestinations();
    // The " /A .." or " /Dest .." of a link that needs no quoted string (scripts, layers, destinations).
    std::string InternalTargetText(const navigation::LinkTarget& target, const std::string& view);
    std::string ActionText(const std::string& Destination);  // a URI or "file:" action, inside its object
    int32_t WriteScript(const std::string& Script);  // a JavaScript stream object
    // Writes one annotation object and lists it on the open page; Action is a URI or "file:path".
    int32_t WriteAnnotation(std::string Dict, const std::string& Contents, const std::string& Title,
                            const std::string& DA, const std::string& Action);
    int32_t PageForNextSetting() const;  // the open page, else the next one
    std::string PageLabelsEntry();        // the catalog's "/PageLabels << .. >>"
    std::string TakeTransitionEntry();    // "/Dur .. /Trans <<..>> \r" of the page, then cleared
    void WriteLayerObjects();
    void WritePageNavigationObjects();  // EndPage, before the page object: page scripts and fields
    void WritePageScripts();
    void WritePageFields();
    std::string AcroFormEntry() const;
    void WriteDocumentScripts();
    void WriteScriptCatalogLines();  // EndDoc, before the shared resources that name them
    void ListAnnotation(int32_t objNum);  // on the open page, or the reusable object being recorded
    void ListObjectAnnotations(const std::string& Name);  // PlayObject: the object's annotations
    // The page dictionary's entries ("/Annots [..]\r"), then cleared.
    std::string TakePageNavigationEntries();
    void WriteNavigationObjects();       // EndDoc, before the catalog
    void WriteNavigationCatalogLines();  // the catalog's entries

    Host& host_;
    FileSink sink_;  // outlives a reset: Abort closes it and keeps the partial file
    DocumentState doc_;
};

}  // namespace folivo
