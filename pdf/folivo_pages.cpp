// Folivo: pages, coordinates and page setup.

#include <cmath>

#include "pdf/core/paper_sizes.hpp"
#include "pdf/folivo.hpp"

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

void Folivo::SetScale(int32_t ScaleMode, std::optional<float> UserFactor) {
    if (ScaleMode == 255) {
        if (UserFactor) page_.scale = *UserFactor;
    } else if (const auto factor = ScaleOf(ScaleMode)) {
        page_.scale = *factor;
    }
}

void Folivo::SetPaperSize(int32_t PaperSize, std::optional<float> UserWidth, std::optional<float> UserHeight) {
    if (PaperSize == 255) {
        if (UserWidth) page_.width = *UserWidth * page_.scale;
        if (UserHeight) page_.height = *UserHeight * page_.scale;
    } else if (const auto size = PaperSizeOf(PaperSize)) {
        page_.width = size->width;
        page_.height = size->height;
    }
}

void Folivo::SetMargins(float Left, float Right, float Top, float Bottom, bool ClipPage) {
    page_.left = Left * page_.scale;
    page_.right = Right * page_.scale;
    page_.top = Top * page_.scale;
    page_.bottom = Bottom * page_.scale;
    page_.clip = ClipPage;
}

void Folivo::SetPageView(int32_t ViewMode) {
    (content_.pageOpen ? page_.rotation : page_.defaultRotation) = ViewMode;
}

int32_t Folivo::BeginPage() {
    if (content_.pageOpen) EndPage();
    const int32_t page = pages_.Add(objects_.MemoryUsage());
    content_.page.Reset();
    content_.pageOpen = true;
    SetColorFill("Black");
    SetColorLine("Black");
    SetColorText("Black");
    PlayAutomaticObjects(kPlayUnderContent);
    page_.rotation = page_.defaultRotation;
    spacing_ = TextSpacing{};
    page_.curX = 0;
    page_.curY = 0;
    return page;
}

std::string Folivo::ContentPrefix() const {
    // Flips Y and moves the origin to the top-left corner inside the margins.
    std::string prefix = "1 0 0 -1 " + FormatNum(page_.left) + " " + FormatNum(page_.height - page_.top) + " cm \r";
    if (page_.clip) {
        prefix += "0 0 " + FormatNum(page_.width - page_.right - page_.left) + " " +
                  FormatNum(page_.height - page_.bottom - page_.top) + " re W n\r";
    }
    return prefix;
}

void Folivo::WritePageObject(int32_t contentObj) {
    const std::string box = "[0 0 " + FormatNum(page_.width) + " " + FormatNum(page_.height) + "]\r";
    WriteLine("<< /Type /Page /Parent 1 0 R /Contents " + std::to_string(contentObj) + " 0 R\r" +
              RotateEntry(page_.rotation) + "/MediaBox " + box + "/CropBox " + box + "/BleedBox " + box +
              TakePageNavigationEntries() + "/Resources 2 0 R>>");
}

void Folivo::EndPage() {
    if (!content_.pageOpen) return;
    PlayAutomaticObjects(kPlayOverContent);
    content_.pageOpen = false;
    std::string stream = ContentPrefix();
    stream += content_.page.Text();
    content_.page.Reset();

    WritePageNavigationObjects();
    const int32_t pageObj = StartObject();
    WritePageObject(pageObj + 1);
    CloseObject();
    pages_.SetObject(pages_.Count(), pageObj);

    const int32_t contentObj = StartObject();
    WriteLine("<<");
    PutStream(std::move(stream), contentObj);
    CloseObject();
}

int32_t Folivo::GetPage() const { return pages_.Count(); }

float Folivo::GetPageWidth(bool KeepMargins) const {
    return (page_.width - (KeepMargins ? page_.left + page_.right : 0)) / page_.scale;
}

float Folivo::GetPageHeight(bool KeepMargins) const {
    return (page_.height - (KeepMargins ? page_.top + page_.bottom : 0)) / page_.scale;
}

void Folivo::SetXY(float X, float Y) {
    page_.curX = X * page_.scale;
    page_.curY = Y * page_.scale;
}

float Folivo::GetX() const { return page_.curX / page_.scale; }

float Folivo::GetY() const { return page_.curY / page_.scale; }

void Folivo::MoveTo(float X, float Y) {
    AddContent(FormatPt(X) + " " + FormatPt(Y) + " m");
    SetXY(X, Y);
}

void Folivo::AxisTranslation(float TranslateX, float TranslateY) {
    AddContent("1 0 0 1 " + FormatPt(TranslateX) + " " + FormatPt(TranslateY) + " cm");
    SetXY(0, 0);
}

void Folivo::AxisScaling(float ScaleX, float ScaleY) {
    AddContent(FormatNum(ScaleX) + " 0 0 " + FormatNum(ScaleY) + " 0 0 cm");
}

void Folivo::AxisRotation(float Angle) {
    if (std::lrint(Angle) % 360 == 0) return;
    const float c = static_cast<float>(std::cos(Angle * kRadiansPerDegree));
    const float s = static_cast<float>(std::sin(Angle * kRadiansPerDegree));
    AddContent(FormatNum(c) + " " + FormatNum(-s) + " " + FormatNum(s) + " " + FormatNum(c) + " 0 0 cm");
}

void Folivo::AxisSkewing(float AngleX, float AngleY) {
    AddContent("1 " + FormatNum(static_cast<float>(std::tan(AngleX * kRadiansPerDegree))) + " " +
               FormatNum(static_cast<float>(std::tan(AngleY * kRadiansPerDegree))) + " 1 0 0 cm");
}

}  // namespace folivo
