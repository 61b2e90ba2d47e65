#pragma once
// Folivo, the program's own PDF writer. One instance writes one file: BeginDoc, pages with drawing
// in between, EndDoc. Every length a caller passes is in the unit chosen with SetScale, measured
// from the top-left corner of the area inside the margins, Y growing downwards; links, notes, fields
// and destinations too, so they sit on what was drawn. Texts are Windows-1252; strings outside the
// page (information, bookmarks, notes, fields, labels, layers) are written as UTF-16BE whenever a
// byte would read differently in PDFDocEncoding ("€"), else as they stand.
//
// The members work over a private implementation (pdf/folivo_impl.hpp, not for users), so this
// header names only standard types and Folivo's own error, host and area types. Errors: BeginDoc
// records what it catches in ErrNumber/ErrSource/ErrDescription; every other member throws
// folivo::Error (pdf/error.hpp).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pdf/area.hpp"
#include "pdf/error.hpp"
#include "pdf/host.hpp"

namespace folivo {

class FolivoImpl;

class Folivo {
public:
    Folivo();                     // uses a DefaultHost
    explicit Folivo(Host& host);  // the host stays owned by the caller and must outlive this object
    ~Folivo();
    Folivo(const Folivo&) = delete;
    Folivo& operator=(const Folivo&) = delete;

    // ---- document and file ----
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

    // ---- archival documents (defined in folivo_archival.cpp) ----
    // Level 2 makes the document PDF/A-2b, 0 (the default) a plain PDF; call it before BeginDoc.
    // Every font is embedded and subset (the standard fonts through the files SetStandardFontFile
    // names), the host's sRGB profile becomes the output intent, the XMP packet carries the /Info
    // texts, the creation date and the PDF/A identification, the header a binary comment, the
    // trailer a file identifier, and LZW compression (SetCompression's 4) becomes Flate. What PDF/A
    // forbids is refused and recorded in ErrNumber/ErrSource/ErrDescription, the document staying
    // conforming: SetProtection, JavaScript (OnDocEvent, OnFieldEvent, "script:" and "layer:" links),
    // notes (no appearance of their own), fields (the form asks viewers to redraw them), layers,
    // ImportPage and CMYK JPEGs. Links carry the print flag. Another level, a call after BeginDoc,
    // a protected document or a missing or damaged profile is a recorded error and leaves PDF/A off. When a standard font has
    // no usable file, or a code drawn has no glyph, the error is recorded and the document is
    // written as a plain PDF, without claiming PDF/A.
    void SetPDFA(int32_t Level);
    // The TrueType file drawn, under PDF/A, for a standard font: Name as SetFont's family, a comma
    // and Bold, Italic or BoldItalic for a styled face ("Courier New,Bold", "Helvetica"). The file
    // should be metric-compatible (Liberation Mono for Courier New, Liberation Sans for Arial and
    // Helvetica, Liberation Serif for Times New Roman): text is measured with its widths, while
    // lines keep the standard font's height. A family that is not standard draws with Arial's file.
    // A name that is not standard or a missing file is a recorded error.
    void SetStandardFontFile(const std::string& Name, const std::string& Path);

    // ---- pages and coordinates ----
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

    // ---- text (defined in folivo_text.cpp) ----
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

    // ---- TrueType (defined in folivo_truetype.cpp) ----
    // Reads a TrueType file, registers it under the alias (the font's full name without spaces when
    // empty) and writes its objects; returns the alias. Errors are recorded in ErrNumber. An embedded
    // font also gets a /ToUnicode CMap of its encoding's codes (Windows-1252, or Mac Roman with
    // Encoding 1), written right after its font file, so text extraction and search give back the
    // characters ("€", curly quotes, accented capitals) rather than guesses.
    // Encoding 2 makes a Type 0 font (CIDFontType2, Identity-H), always embedded and subset: text
    // given to DrawText, WriteText, WriteTextLn, DrawTextBox and TextLength in it is UTF-8, and any
    // character the font maps can be drawn. Each glyph takes the next two-byte code when first drawn,
    // its glyph number in the subset; /W and /ToUnicode list the codes drawn. Word spacing and
    // justification become TJ adjustments after spaces, as Tw does not apply to two-byte codes.
    // On: embedded TrueType fonts added afterwards carry only the glyphs of the characters drawn
    // (and the parts of composite glyphs), cut at EndDoc and numbered afresh from 0, with glyf,
    // loca, head, hhea, hmtx, maxp and a cmap of the codes drawn, without hinting (no cvt, fpgm,
    // prep or glyph instructions); widths are unchanged and names take a six-letter tag
    // ("ABCDEF+Name"). Off by default: the whole file, hints included, is embedded.
    void SetFontSubsetting(bool On);
    std::string AddFont(const std::string& TTFFile, const std::string& FontAlias = "", bool Embedded = true,
                        int32_t Encoding = 0);

    // ---- compression and protection (defined in folivo_filters.cpp) ----
    void SetCompression(int32_t CompressionMode, uint8_t Quality = 0);
    void zzToFlateDecode(std::vector<uint8_t>& ByteArray, int32_t& BufCount, uint8_t CompressionQuality);
    // Mode: permission bits (4 print, 8 modify, 16 copy, 32 annotate; with a 128-bit key also 256
    // fill forms, 512 accessibility, 1024 assemble, 2048 high-quality print) plus the strength:
    // none 40-bit RC4, 4096 128-bit RC4, 8192 AES-128, 16384 AES-256 (wins over 8192).
    // RC4 is weak and its file identifier is the producer's text, the same in every file: two RC4
    // documents with the same passwords share the file key and, object by object, the key stream.
    // AES documents get a file identifier of their own and a fresh random IV per string and stream;
    // prefer 16384. Passwords are Windows-1252; AES-256 hashes them as UTF-8.
    void SetProtection(int32_t Mode, const std::string& OwnerPwd, const std::string& UserPwd);

    // ---- colour ----
    void SetColorFill(const std::string& Color);
    void SetColorLine(const std::string& Color);
    void SetColorText(const std::string& Color);
    void SetLineWidth(float Width);

    // ---- graphics (defined in folivo_graphics.cpp) ----
    // Options bits: 1 no stroke (fill only with 4), 2 close, 4 fill (even-odd), 128 also clip.
    void DrawLine(float X1, float Y1, float X2, float Y2, int32_t Options = 0);
    void DrawLineTo(float X, float Y, int32_t Options = 0);
    // X1, Y1, X2, Y2 ...; an odd last number is ignored, fewer than one pair draws nothing.
    void DrawPolyline(const std::vector<float>& Points, int32_t Options = 0);
    void DrawPolygon(float X, float Y, float Ray, int16_t Sides, int32_t Options = 0);
    // RoundedCorner bits: 1 top-left, 2 top-right, 4 bottom-right, 8 bottom-left.
    void DrawRect(float X, float Y, float xDim, float YDim, int32_t Options = 0, float Ray = 0,
                  int32_t RoundedCorner = 15);
    void DrawEllipse(float X, float Y, float XRay, float YRay, int32_t Options = 0);
    void DrawCircle(float X, float Y, float Ray, int32_t Options = 0);
    void DrawArc(float X, float Y, float Ray, float StartAngle, float EndAngle, float Ratio = 1, bool Pie = false,
                 float Quality = 1, int32_t Options = 0);
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
    // The rectangle of the last shape in PDF points (Y upwards), for a link over it.
    const Area& LastArea() const;

    // ---- barcodes (defined in folivo_barcode.cpp) ----
    // BarCodeType 0 EAN-13, 1 Code 39 full ASCII, 2 Interleaved 2 of 5, 3 POSTNET, 4 Code 128, 5 EAN-8.
    // X, Y: top-left corner of the quiet zone; Height 0 = standard. Returns the width with the quiet
    // zones, 0 (and nothing drawn) for an unknown type or refused data.
    float DrawBarCode(int32_t BarCodeType, const std::string& Code, float& X, float& Y, bool ShowCode = false,
                      float ZoomFactor = 1, float Height = 0, bool AddCheck = false);

    // ---- images (defined in folivo_image.cpp) ----
    // BMP, GIF, TGA and JPEG files become image objects written once per file and frame; sizes of 0
    // follow from the picture (one pixel per point, or its aspect ratio). FrameNumber picks the
    // picture of a GIF file (from 1); ColorMask "#RRGGBB" is the transparent colour of a BMP.
    // Windows metafiles (.WMF) and PostScript pictures (.EPS, .AI) are drawn as page content at
    // every call. Metafiles: polygons, polylines, rectangles, round rectangles, ellipses, lines,
    // arcs, pies, chords, text in the nearest standard font at the selected font's height, and
    // device-independent bitmaps (as image objects, once per file); a damaged record is recorded
    // and skipped, the rest drawn. PostScript runs through a small interpreter: paths, painting,
    // colours, line style, transformations, saved states, clipping, text in the nearest standard
    // font and the file's own procedures; a line it cannot run is skipped (previews and DOS EPS
    // headers are never read as drawing). A PostScript file without a bounding box, one holding
    // raster data (image operators) and one from which nothing could be drawn are refused.
    // A file that cannot be read is recorded in ErrNumber/ErrSource/ErrDescription and not drawn.
    void DrawImage(const std::string& Filename, float DestX = 0, float DestY = 0, float ImgWidth = 0,
                   float ImgHeight = 0, int16_t FrameNumber = 1, const std::string& ColorMask = "");

    // ---- metadata, viewer preferences and reusable objects ----
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

    // ---- navigation (defined in folivo_navigation.cpp) ----
    // TypeOfBookmark: 0 /FitB, 1 /FitV, 2 /FitH, 3 /FitR, 4 /XYZ (Zoom in percent). Level -1 makes a
    // child of the previous bookmark, 0 a sibling. Returns "@n" for links ("bookmark:@n"), "" when
    // the bookmark is too deep and ignored. FontStyle: 1 bold, 2 italic.
    std::string AddBookmark(const std::string& Caption, int32_t Level = 1, int32_t TypeOfBookmark = 0, float X = 0,
                            float Y = 0, float Width = 0, float Height = 0, float Zoom = 0,
                            const std::string& Color = "", int32_t FontStyle = 0);
    // A named destination on the current page, for LinkTo("ref:Name").
    void DefineRef(const std::string& RefName, int32_t TypeOfBookmark = 0, float X = 0, float Y = 0,
                   float Width = 0, float Height = 0, float Zoom = 0);
    // A link over LastArea. Destination: "http:..", "mailto:..", "file:path", "script:js", "ref:Name",
    // "layer:ON(a) OFF(b) TOGGLE(c)", "bookmark:@n", "page:FIRST|LAST|NEXT|PREV|n|+n|-n" (the view
    // from TypeOfLink and the box). OnMouseDown: 0 none, 1 invert, 2 outline, 3 push.
    void LinkTo(const std::string& Destination, float BorderWidth = 0, int32_t OnMouseDown = 1,
                int32_t TypeOfLink = 0, float X = 0, float Y = 0, float Width = 0, float Height = 0,
                float Zoom = 0);
    // A free-text note in the fill colour, its border in the line width and Border style (0 solid,
    // 1 dashed DashOn/DashOff, 2 bevelled, 3 inset, 4 underline); TextAlign 2 right, 4 centred.
    void AddNoteBox(const std::string& Text, float X, float Y, float Width, float Height, int32_t TextAlign = 0,
                    int32_t Border = 0, float DashOn = 3, float DashOff = 3, int32_t Flag = 0);
    // A sticky note: Icon 0 Note, 1 Comment, 2 Key, 3 Help, 4 Paragraph, 5 NewParagraph, 6 Insert.
    void AddNoteIcon(const std::string& Text, int32_t Icon = 0, float X = 0, float Y = 0, bool Opened = false,
                     int32_t Flag = 0);
    // Page numbering style from the open page (the next one when none is open) on: PageLabel 1 decimal,
    // 2 upper roman, 3 lower roman, 4 upper letters, 5 lower letters; FirstValue 0 keeps 1.
    void SetLabel(int32_t PageLabel, const std::string& LabelPrefix = "", int32_t FirstValue = 0);
    // Transition of the open (or next) page, 0 none ... 17; ShowTime and TransTime in seconds.
    void SetPageTransition(int32_t Transition, float ShowTime = 0, float TransTime = 1);
    // Content drawn until EndLayer belongs to the layer (names compare case-insensitively; the first
    // BeginLayer of a name sets its state). Layers named SCREEN and PRINTER show only on screen or paper.
    void BeginLayer(const std::string& Layer, int32_t StartState = 1, int32_t ShowInList = 1);
    void EndLayer();
    // A form field: FieldType 0 text (Param: maximum length), 1 check box and 4 radio button (ticked
    // when Value is not empty, "0" or "false"), 2 combo and 3 list box (Param "a|b|c", Value the
    // default option number), 5 push button (Param the caption, Value the script run on a click).
    // Options bits choose flags, alignment, border and check mark (see navigation/field_widget.cpp).
    // Each widget has appearance streams drawn from its colours, border and font, so viewers that
    // do not redraw fields still show its state; a button's on state is /S#EC, its off state /Off.
    // Radio buttons of one name form one radio field; a dotted name "a.b.c" is the field "c" under
    // the fields "a" and "a.b".
    void AddField(const std::string& FieldName, int32_t FieldType, float X, float Y, float xDim, float YDim,
                  const std::string& Value = "", const std::string& Param = "", const std::string& Tooltip = "",
                  int32_t Options = 0);
    // JavaScript on a field event (0 up, 1 down, 2 enter, 3 exit, 4 focus, 5 blur, 6 keystroke,
    // 7 validate, 8 calculate, 9 format) of FieldName and its "FieldName." children.
    void OnFieldEvent(int32_t OnEvent, const std::string& FieldName, const std::string& Action);
    // JavaScript on an event: 0 page open, 1 page close (the open or next page only), 2 document
    // open, 3 will close, 4 will print, 5 will save, 6 did print, 7 did save, 8 document level.
    // Scripts given for one event run in order; ResetScript drops the earlier ones.
    void OnDocEvent(int32_t EventType, const std::string& Script, bool ResetScript = false);

    // ---- import (folivo_import.cpp) ----
    // Draws page PageNumber (1 = first) of a PDF file as a form scaled into the rectangle at
    // DestX, DestY of size xDim by YDim; a zero size takes the page's own size (or keeps its
    // proportions when the other is given). The form shows what a viewer shows: the crop box,
    // turned upright by the page's /Rotate. Files with cross-reference or object streams read, and
    // damaged cross-reference data is rebuilt by scanning for objects. Unreadable files do nothing
    // (GetInfo records why); files encrypted with a user password and pages beyond the last raise
    // an error (a file protected without one, whose empty password opens it, is imported).
    void ImportPage(const std::string& Filename, int32_t PageNumber, float DestX, float DestY, float xDim = 0,
                    float YDim = 0);
    // On: ImportPage also carries the source page's link annotations, placed as the page is (crop
    // box, turn, scale): links to a web address, and links to a page of the same file, which lead
    // to where that page is imported in this document (anywhere before EndDoc; links to a page
    // never imported are left out, as are links with other actions). Off by default.
    void SetImportLinks(bool On);
    // The page count of a PDF file and its title, subject and author; PDFEncrypted is set for an
    // encrypted file, whose texts stay empty and count 0 unless the empty password opens it. A
    // missing (53) or unreadable (321) file is recorded in ErrNumber and gives 0.
    int32_t GetInfo(const std::string& Filename, std::string& PDFTitle, std::string& PDFSubject,
                    std::string& PDFAuthor, bool& PDFEncrypted);

private:
    std::unique_ptr<Host> ownHost_;  // the DefaultHost of the first constructor
    std::unique_ptr<FolivoImpl> impl_;
};

}  // namespace folivo
