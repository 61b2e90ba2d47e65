// Folivo: pages, coordinates and page setup.

#include <cmath>

#include "pdf/core/paper_sizes.hpp"
#include "pdf/folivo_impl.hpp"

namespace folivo {

namespace {

constexpr double kRadiansPerDegree = 0.0174532925199433;

// Points per user unit for each scale mode; mode 255 takes the caller's factor.
std::optional<float> ScaleOf(int32_t mode) {
    switch (mode) {
        case 0: return 1.0f;
        case 1: return 72.0f;
        case 2: return 2.8346455f;
        case 3: return 28.346457f;
        default: return std::nullopt;
    }
}

const char* RotateEntry(int32_t code) {
    switch (code) {
        case 1: return "/Rotate 270\r";
        case 2: return "/Rotate 180\r";
        case 3: return "/Rotate 90\r";
        default: return "";
    }
}

}  // namespace

void FolivoImpl::SetScale(int32_t ScaleMode, std::optional<float> UserFactor) {
    if (ScaleMode == 255) {
        if (UserFactor) doc_.page.scale = *UserFactor;
    } else if (const auto factor = ScaleOf(ScaleMode)) {
        doc_.page.scale = *factor;
    }
}

void FolivoImpl::SetPaperSize(int32_t PaperSize, std::optional<float> UserWidth, std::optional<float> UserHeight) {
    if (PaperSize == 255) {
        if (UserWidth) doc_.page.width = *UserWidth * doc_.page.scale;
        if (UserHeight) doc_.page.height = *UserHeight * doc_.page.scale;
    } else if (const auto size = PaperSizeOf(PaperSize)) {
        doc_.page.width = size->width;
        doc_.page.height = size->height;
    }
}

void FolivoImpl::SetMargins(float Left, float Right, float Top, float Bottom, bool ClipPage) {
    doc_.page.left = Left * doc_.page.scale;
    doc_.page.right = Right * doc_.page.scale;
    doc_.page.top = Top * doc_.page.scale;
    doc_.page.bottom = Bottom * doc_.page.scale;
    doc_.page.clip = ClipPage;
}

void FolivoImpl::SetPageView(int32_t ViewMode) {
    (doc_.content.pageOpen ? doc_.page.rotation : doc_.page.defaultRotation) = ViewMode;
}

int32_t FolivoImpl::BeginPage() {
    if (doc_.content.pageOpen) EndPage();
    const int32_t page = doc_.pages.Add(doc_.objects.MemoryUsage());
    doc_.content.page.Reset();
    doc_.content.pageOpen = true;
    SetColorFill("Black");
    SetColorLine("Black");
    SetColorText("Black");
    PlayAutomaticObjects(kPlayUnderContent);
    doc_.page.rotation = doc_.page.defaultRotation;
    doc_.spacing = TextSpacing{};
    doc_.page.curX = 0;
    doc_.page.curY = 0;
    return page;
}

std::string FolivoImpl::ContentPrefix() const {
    // Flips Y and moves the origin to the top-left corner inside the margins.
    const PageSetup& page = doc_.page;
    std::string prefix = "1 0 0 -1 " + FormatNum(page.left) + " " + FormatNum(page.height - page.top) + " cm \r";
    if (page.clip) {
        prefix += "0 0 " + FormatNum(page.width - page.right - page.left) + " " +
                  FormatNum(page.height - page.bottom - page.top) + " re W n\r";
    }
    return prefix;
}

void FolivoImpl::WritePageObject(int32_t contentObj) {
    const std::string box = "[0 0 " + FormatNum(doc_.page.width) + " " + FormatNum(doc_.page.height) + "]\r";
    WriteLine("<< /Type /Page /Parent 1 0 R /Contents " + std::to_string(contentObj) + " 0 R\r" +
              RotateEntry(doc_.page.rotation) + "/MediaBox " + box + "/CropBox " + box + "/BleedBox " + box +
              TakePageNavigationEntries() + "/Resources 2 0 R>>");
}

void FolivoImpl::EndPage() {
    if (!doc_.content.pageOpen) return;
    PlayAutomaticObjects(kPlayOverContent);
    doc_.content.pageOpen = false;
    std::string stream = ContentPrefix();
    stream += doc_.content.page.Text();
    doc_.content.page.Reset();

    WritePageNavigationObjects();
    const int32_t pageObj = StartObject();
    WritePageObject(pageObj + 1);
    CloseObject();
    doc_.pages.SetObject(doc_.pages.Count(), pageObj);

    const int32_t contentObj = StartObject();
    WriteLine("<<");
    PutStream(std::move(stream), contentObj);
    CloseObject();
}

int32_t FolivoImpl::GetPage() const { return doc_.pages.Count(); }

float FolivoImpl::GetPageWidth(bool KeepMargins) const {
    return (doc_.page.width - (KeepMargins ? doc_.page.left + doc_.page.right : 0)) / doc_.page.scale;
}

float FolivoImpl::GetPageHeight(bool KeepMargins) const {
    return (doc_.page.height - (KeepMargins ? doc_.page.top + doc_.page.bottom : 0)) / doc_.page.scale;
}

void FolivoImpl::SetXY(float X, float Y) {
    doc_.page.curX = X * doc_.page.scale;
    doc_.page.curY = Y * doc_.page.scale;
}

float FolivoImpl::GetX() const { return doc_.page.curX / doc_.page.scale; }

float FolivoImpl::GetY() const { return doc_.page.curY / doc_.page.scale; }

void FolivoImpl::MoveTo(float X, float Y) {
    AddContent(FormatPt(X) + " " + FormatPt(Y) + " m");
    SetXY(X, Y);
}

void FolivoImpl::AxisTranslation(float TranslateX, float TranslateY) {
    AddContent("1 0 0 1 " + FormatPt(TranslateX) + " " + FormatPt(TranslateY) + " cm");
    SetXY(0, 0);
}

void FolivoImpl::AxisScaling(float ScaleX, float ScaleY) {
    AddContent(FormatNum(ScaleX) + " 0 0 " + FormatNum(ScaleY) + " 0 0 cm");
}

void FolivoImpl::AxisRotation(float Angle) {
    if (std::lrint(Angle) % 360 == 0) return;
    const float c = static_cast<float>(std::cos(Angle * kRadiansPerDegree));
    const float s = static_cast<float>(std::sin(Angle * kRadiansPerDegree));
    AddContent(FormatNum(c) + " " + FormatNum(-s) + " " + FormatNum(s) + " " + FormatNum(c) + " 0 0 cm");
}

void FolivoImpl::AxisSkewing(float AngleX, float AngleY) {
    AddContent("1 " + FormatNum(static_cast<float>(std::tan(AngleX * kRadiansPerDegree))) + " " +
               FormatNum(static_cast<float>(std::tan(AngleY * kRadiansPerDegree))) + " 1 0 0 cm");
}

}  // namespace folivo
