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

void Folivo::SetScale(int32_t ScaleMode, std::optional<float> UserFactor) {
    if (ScaleMode == 255) {
        if (UserFactor) impl_->doc_.page.scale = *UserFactor;
    } else if (const auto factor = ScaleOf(ScaleMode)) {
        impl_->doc_.page.scale = *factor;
    }
}

void Folivo::SetPaperSize(int32_t PaperSize, std::optional<float> UserWidth, std::optional<float> UserHeight) {
    if (PaperSize == 255) {
        if (UserWidth) impl_->doc_.page.width = *UserWidth * impl_->doc_.page.scale;
        if (UserHeight) impl_->doc_.page.height = *UserHeight * impl_->doc_.page.scale;
    } else if (const auto size = PaperSizeOf(PaperSize)) {
        impl_->doc_.page.width = size->width;
        impl_->doc_.page.height = size->height;
    }
}

void Folivo::SetMargins(float Left, float Right, float Top, float Bottom, bool ClipPage) {
    impl_->doc_.page.left = Left * impl_->doc_.page.scale;
    impl_->doc_.page.right = Right * impl_->doc_.page.scale;
    impl_->doc_.page.top = Top * impl_->doc_.page.scale;
    impl_->doc_.page.bottom = Bottom * impl_->doc_.page.scale;
    impl_->doc_.page.clip = ClipPage;
}

void Folivo::SetPageView(int32_t ViewMode) {
    (impl_->doc_.content.pageOpen ? impl_->doc_.page.rotation : impl_->doc_.page.defaultRotation) = ViewMode;
}

int32_t Folivo::BeginPage() {
    if (impl_->doc_.content.pageOpen) EndPage();
    const int32_t page = impl_->doc_.pages.Add(impl_->doc_.objects.MemoryUsage());
    impl_->doc_.content.page.Reset();
    impl_->doc_.content.pageOpen = true;
    SetColorFill("Black");
    SetColorLine("Black");
    SetColorText("Black");
    impl_->PlayAutomaticObjects(impl_->kPlayUnderContent);
    impl_->doc_.page.rotation = impl_->doc_.page.defaultRotation;
    impl_->doc_.spacing = TextSpacing{};
    impl_->doc_.page.curX = 0;
    impl_->doc_.page.curY = 0;
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

void Folivo::EndPage() {
    if (!impl_->doc_.content.pageOpen) return;
    impl_->PlayAutomaticObjects(impl_->kPlayOverContent);
    impl_->doc_.content.pageOpen = false;
    std::string stream = impl_->ContentPrefix();
    stream += impl_->doc_.content.page.Text();
    impl_->doc_.content.page.Reset();

    impl_->WritePageNavigationObjects();
    const int32_t pageObj = impl_->StartObject();
    impl_->WritePageObject(pageObj + 1);
    impl_->CloseObject();
    impl_->doc_.pages.SetObject(impl_->doc_.pages.Count(), pageObj);

    const int32_t contentObj = impl_->StartObject();
    impl_->WriteLine("<<");
    impl_->PutStream(std::move(stream), contentObj);
    impl_->CloseObject();
}

int32_t Folivo::GetPage() const { return impl_->doc_.pages.Count(); }

float Folivo::GetPageWidth(bool KeepMargins) const {
    return (impl_->doc_.page.width - (KeepMargins ? impl_->doc_.page.left + impl_->doc_.page.right : 0)) /
           impl_->doc_.page.scale;
}

float Folivo::GetPageHeight(bool KeepMargins) const {
    return (impl_->doc_.page.height - (KeepMargins ? impl_->doc_.page.top + impl_->doc_.page.bottom : 0)) /
           impl_->doc_.page.scale;
}

void Folivo::SetXY(float X, float Y) {
    impl_->doc_.page.curX = X * impl_->doc_.page.scale;
    impl_->doc_.page.curY = Y * impl_->doc_.page.scale;
}

float Folivo::GetX() const { return impl_->doc_.page.curX / impl_->doc_.page.scale; }

float Folivo::GetY() const { return impl_->doc_.page.curY / impl_->doc_.page.scale; }

void Folivo::MoveTo(float X, float Y) {
    impl_->AddContent(impl_->FormatPt(X) + " " + impl_->FormatPt(Y) + " m");
    SetXY(X, Y);
}

void Folivo::AxisTranslation(float TranslateX, float TranslateY) {
    impl_->AddContent("1 0 0 1 " + impl_->FormatPt(TranslateX) + " " + impl_->FormatPt(TranslateY) + " cm");
    SetXY(0, 0);
}

void Folivo::AxisScaling(float ScaleX, float ScaleY) {
    impl_->AddContent(impl_->FormatNum(ScaleX) + " 0 0 " + impl_->FormatNum(ScaleY) + " 0 0 cm");
}

void Folivo::AxisRotation(float Angle) {
    if (std::lrint(Angle) % 360 == 0) return;
    const float c = static_cast<float>(std::cos(Angle * kRadiansPerDegree));
    const float s = static_cast<float>(std::sin(Angle * kRadiansPerDegree));
    impl_->AddContent(impl_->FormatNum(c) + " " + impl_->FormatNum(-s) + " " + impl_->FormatNum(s) + " " +
                      impl_->FormatNum(c) + " 0 0 cm");
}

void Folivo::AxisSkewing(float AngleX, float AngleY) {
    impl_->AddContent("1 " + impl_->FormatNum(static_cast<float>(std::tan(AngleX * kRadiansPerDegree))) + " " +
               impl_->FormatNum(static_cast<float>(std::tan(AngleY * kRadiansPerDegree))) + " 1 0 0 cm");
}

}  // namespace folivo
