#pragma once
// Folivo's implementation, private to the library: the state of one document and the steps the
// public members (pdf/folivo.hpp, where they are documented) share. Each part delegates to a
// component under pdf/ (object store and file sink, content buffers, number and string formatting,
// pages, colour, fonts and text, filters, security, metadata).

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "pdf/archival/archival_settings.hpp"
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
#include "pdf/folivo.hpp"
#include "pdf/fonts/font_table.hpp"
#include "pdf/core/recent_values.hpp"
#include "pdf/graphics/graphics_state.hpp"
#include "pdf/graphics/path_text.hpp"
#include "pdf/host.hpp"
#include "pdf/image/image_table.hpp"
#include "pdf/image/picture_host.hpp"
#include "pdf/image/vector_target.hpp"
#include "pdf/navigation/link_target.hpp"
#include "pdf/navigation/imported_links.hpp"
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
    codec::DeflateScratch deflate;  // Deflate's tables, kept from stream to stream
    security::SecurityState security;  // security.encrypting: strings and streams are enciphered
    int32_t encryptObj = 0;
    reader::SourceTable sources;         // files read for import, kept until EndDoc
    navigation::NavigationState nav;
    navigation::ImportedLinks importedLinks;  // SetImportLinks and the links it carries
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
    // SetFont's last resolutions: font table index by family, style and encoding.
    RecentValues<std::tuple<std::string, int32_t, int32_t>, int32_t> recentFonts;
    bool fontSubsetting = false;  // SetFontSubsetting: embedded TrueType fonts added later are subset
    archival::ArchivalSettings archival;  // SetPDFA, SetStandardFontFile
    text::TextState text;
    // A text object's start, "BT\r/F1 9 Tf 9 TL\r1 0 0 -1 ", by font and size.
    RecentValues<std::pair<int32_t, float>, std::string> textObjectStarts;
    float lineWidth = 0;   // points, last SetLineWidth
    std::string fileName;
    int32_t fileSize = 0;
    int32_t versionLevel = 0;
    int32_t viewerMode = 0;
    int32_t errNumber = 0;
    std::string errSource;
    std::string errDescription;
};

// The state and the shared steps behind Folivo's public members (defined in the folivo_*.cpp files
// as Folivo's own members, over impl_). The steps that draw through a public member call it on api_.
class FolivoImpl {
public:
    FolivoImpl(Folivo& api, Host& host);
    ~FolivoImpl();
    FolivoImpl(const FolivoImpl&) = delete;
    FolivoImpl& operator=(const FolivoImpl&) = delete;

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
    // DecodeParms: the parameters of the preset Filters, written in step with the filters added here.
    void PutStream(std::string Data, int32_t ObjNum, std::string Filters = "", int32_t Length1 = 0,
                   const std::string& DecodeParms = "");
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
    const ParsedColor& ParsedColorOf(const std::string& Color, bool stroke);
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
    // A new image entry for a decoded picture; 0 when the document cannot hold it.
    int32_t AddImage(const std::string& fileName, int32_t frame, image::Raster raster);
    void WriteImageObject(int32_t number, const image::Raster& raster);
    void WriteSoftMask(const image::Raster& raster);
    void PutPendingImages();  // images drawn before the file was open (called by EndDoc)
    void PlaceImage(int32_t number, float DestX, float DestY, float ImgWidth, float ImgHeight);
    // Metafiles and PostScript pictures are translated into content at every call.
    using VectorPlayer = std::vector<std::string> (*)(std::string_view, image::VectorTarget, image::PictureHost&);
    void PlayWMF(const std::string& fileName, float DestX, float DestY, float ImgWidth, float ImgHeight);
    void PlayEPS(const std::string& fileName, float DestX, float DestY, float ImgWidth, float ImgHeight);
    void PlayVectorFile(const std::string& fileName, VectorPlayer player, float DestX, float DestY,
                        float ImgWidth, float ImgHeight);
    // The resource name of the standard font nearest to a picture's font name.
    std::string PictureFont(const std::string& name, bool bold, bool italic);
    int32_t PictureFontIndex(const std::string& name, bool bold, bool italic);  // in doc_.fonts
    // The resource name of a picture's bitmap, an image entry under the picture's file name and
    // the negative frame -ordinal, so drawing the picture again reuses its objects.
    std::string PictureBitmap(const std::string& fileName, int32_t ordinal, const std::function<image::Raster()>& read);

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
    // The descriptor object, naming the embedded file's object when fileObj is not 0.
    void PutFontDescriptor(const fonts::FontRecord& record, int32_t descriptorObj, int32_t fileObj);
    // A Type 0 font's dictionary (its object already started) and descriptor; the rest waits for EndDoc.
    void PutType0Objects(fonts::FontRecord& record);
    // EndDoc: a Type 0 font's CIDFont with its widths, its subset file and /ToUnicode map.
    void PutCidFont(fonts::FontRecord& record);
    int32_t PutGlyphMap(const std::vector<uint16_t>& glyphs);  // a /CIDToGIDMap stream; its number
    // The embedded file (object fileObj) and its /ToUnicode map (fileObj + 1).
    void PutFontFile(fonts::FontRecord& record, std::string file, int32_t fileObj);
    // EndDoc: the files of subset fonts, cut down to the glyphs drawn.
    void PutSubsetFonts();
    void PutToUnicode(fonts::FontRecord& record, int32_t objNum);
    // Notes the codes drawn with the current font, whose glyphs a subset font keeps.
    void MarkCodesDrawn(std::string_view text);
    const fonts::FontRecord& CurrentFont() const;  // throws when no font is selected
    text::TextMeasure Measure() const;
    void WriteTextObject(float x, float Y, const std::string& Text, const text::LinePlan& plan);
    // The fill colour set to the text colour before a text object and put back after it; true from
    // the first when the switch was replayed, to be passed to the second.
    bool SetTextFill(TextBuffer* content);
    void RestoreFill(TextBuffer* content, bool replayed);
    const std::string& TextObjectStart();
    std::string ShowUnicodeText(const std::string& Text, const text::LinePlan& plan);
    void DrawTextLines(float x, float Y, float length);
    void DrawBoxOutline(float X, float Y, float Width, float Height, int32_t Options);

    // ---- filters and security (folivo_filters.cpp) ----
    // Applies the chosen encoders and, when protection is on, RC4 under
    // the object's key; `filters` receives the filter names in decoding order.
    void EncodeStream(std::string& data, int32_t objNum, std::string& filters);
    std::string EncryptString(std::string text) const;  // under the current object's key
    void WriteEncryptionObject();                         // the encryption dictionary, at EndDoc
    std::string TrailerEncryptEntries() const;            // "/Encrypt n 0 R /ID [<..><..>]" or ""

    // ---- archival documents (folivo_archival.cpp) ----
    // Under PDF/A, records that `member` cannot do `what` and returns true: the caller does nothing.
    bool RefusedUnderPdfA(const std::string& member, const std::string& what);
    // Something PDF/A needs could not be had: recorded, and the document no longer claims PDF/A.
    void DropPdfA(const std::string& member, const Error& why);
    // The record SetFont makes for a standard font: under PDF/A its TrueType file, embedded.
    fonts::FontRecord StandardFontRecord(const fonts::FontRequest& request);
    // The TrueType file drawn for a standard font (folivo_truetype.cpp); throws when unreadable.
    fonts::FontRecord StandardFontFromFile(const std::string& path, const fonts::FontRequest& request);
    // PDF/A: no missing glyph drawn; `character` names the culprit.
    void RequireGlyph(const fonts::FontRecord& font, bool drawn, const std::string& character);
    std::string HeaderComment() const;  // the binary comment line after the version, or ""
    int32_t WriteArchivalMetadata();    // the XMP packet with the PDF/A identification
    void WriteOutputProfile();          // the ICC profile stream of the output intent
    std::string ArchivalCatalogLines() const;
    std::string FileIdentifierEntry();  // the trailer's "/ID [..]" of an unprotected PDF/A file

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
    forms::Look FieldAppearanceLook(const navigation::FieldLook& look, float width, float height, float fontSize,
                                    const std::string& textColor) const;
    void MarkFieldText(const navigation::Field& field);  // subset fonts keep the glyphs a field shows
    void WriteFieldAppearances(navigation::Field& field);  // the stream objects the widget names
    int32_t WriteAppearance(const forms::Look& look, std::string content);
    void WriteFieldObject(navigation::Field& field, const std::string& pageRef);
    void WriteFormObjects();  // EndDoc: the fields that hold other fields, the form's own font
    std::string AcroFormEntry() const;
    void WriteDocumentScripts();
    void WriteScriptCatalogLines();  // EndDoc, before the shared resources that name them
    void ListAnnotation(int32_t objNum);
    // ImportPage's links (folivo_import_links.cpp): web links written at once, page links kept
    // for EndDoc, which writes those whose target page was imported too.
    void CarryLinks(int32_t fileNumber, int32_t pageNumber, const navigation::PagePlacement& placement);
    void WriteImportedLinks();  // on the open page, or the reusable object being recorded
    void ListObjectAnnotations(const std::string& Name);  // PlayObject: the object's annotations
    // The page dictionary's entries ("/Annots [..]\r"), then cleared.
    std::string TakePageNavigationEntries();
    void WriteNavigationObjects();       // EndDoc, before the catalog
    void WriteNavigationCatalogLines();  // the catalog's entries

    Folivo& api_;
    Host& host_;
    FileSink sink_;  // outlives a reset: Abort closes it and keeps the partial file
    DocumentState doc_;
};

}  // namespace folivo
