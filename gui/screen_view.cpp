#include "gui/screen_view.hpp"

#include <QItemSelectionModel>
#include <QSignalBlocker>

#include "app/screen_controls.hpp"
#include "app/screen_progress.hpp"
#include "gui/qt_text.hpp"

namespace kv::gui {

namespace {

// Selects the entries as the model says and sets the current one. The selection model keeps its
// signals, which the list repaints by; the window ignores them while the view writes.
void ShowSelection(QListWidget* list, const std::vector<bool>& selected, int current) {
    QSignalBlocker blockList(list);
    for (int row = 0; row < list->count(); ++row) {
        bool on = static_cast<std::size_t>(row) < selected.size() && selected[row];
        list->item(row)->setSelected(on);
    }
    QModelIndex index = current >= 0 && current < list->count()
                            ? list->model()->index(current, 0)
                            : QModelIndex();
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

// Checks one button of an exclusive group, or none (which an exclusive group allows only while it
// is made non-exclusive for the moment).
template <std::size_t N>
void CheckOption(const std::array<QRadioButton*, N>& options, int chosen) {
    QButtonGroup* group = options[0]->group();
    QSignalBlocker block(group);
    if (chosen < 0) {
        group->setExclusive(false);
        for (QRadioButton* option : options) option->setChecked(false);
        group->setExclusive(true);
        return;
    }
    options[static_cast<std::size_t>(chosen)]->setChecked(true);
}

}  // namespace

void ScreenView::Show(const app::ScreenState& screen) {
    Writing writing(writing_);
    widgets_.yearLabel->setText(ToQt(screen.yearLabel));
    ShowMonths(screen);
    ShowOptions(screen);
    ShowCompanies(screen);
    ShowWaitPanel(screen);
    QSignalBlocker block(widgets_.CheckNonSovrascrivere);
    widgets_.CheckNonSovrascrivere->setChecked(screen.keepExistingPdfs);
    QSignalBlocker blockPdfA(widgets_.CheckPdfA);
    widgets_.CheckPdfA->setChecked(screen.archivalPdf);
}

void ScreenView::ShowMonths(const app::ScreenState& screen) {
    QSignalBlocker block(widgets_.CheckTutti);
    widgets_.CheckTutti->setChecked(screen.allMonths);
    widgets_.ListMesi->setEnabled(screen.monthListEnabled);
    ShowSelection(widgets_.ListMesi, screen.monthSelected, screen.currentMonth);
}

void ScreenView::ShowOptions(const app::ScreenState& screen) {
    CheckOption(widgets_.OptionAnno, screen.previousYear ? app::kPrecedente : app::kCorrente);
    CheckOption(widgets_.OptionDoc, screen.report);
    CheckOption(widgets_.OptionStampa, screen.printerOutput ? app::kStampaLaser : app::kCreaPdf);
    CheckOption(widgets_.OptOrdListAzi, screen.orderByName ? app::kOrderByName : app::kOrderByCode);
    widgets_.FrameData->setVisible(screen.dateFrameVisible);
    QSignalBlocker block(widgets_.txtdata);
    if (widgets_.txtdata->text() != ToQt(screen.date)) widgets_.txtdata->setText(ToQt(screen.date));
}

void ScreenView::ShowCompanies(const app::ScreenState& screen) {
    std::vector<std::string> entries;
    entries.reserve(screen.companies.size());
    for (const app::CompanyEntry& entry : screen.companies) entries.push_back(entry.text);
    if (entries != shownEntries_ || screen.orderByName != shownByName_) {
        QSignalBlocker blockList(widgets_.ListAzi);
        QSignalBlocker blockModel(widgets_.ListAzi->selectionModel());
        widgets_.ListAzi->clear();
        for (const app::CompanyEntry& entry : screen.companies) {
            widgets_.ListAzi->addItem(ToQt(app::VisiblePart(entry, screen.orderByName)));
        }
        shownEntries_ = std::move(entries);
        shownByName_ = screen.orderByName;
    }
    ShowSelection(widgets_.ListAzi, screen.companySelected, screen.currentCompany);
    QSignalBlocker block(widgets_.CheckAzi);
    widgets_.CheckAzi->setChecked(screen.allCompanies);
    widgets_.CheckAzi->setText(ToQt(screen.allCompaniesCaption));
}

void ScreenView::ShowWaitPanel(const app::ScreenState& screen) {
    QGroupBox* panel = widgets_.Frame12;
    panel->setTitle(ToQt(screen.waitPanelCaption));
    panel->setVisible(screen.waitPanelVisible);
    const app::ProgressBar bar = app::ProgressBarOf(screen.progress);
    widgets_.progress->setRange(0, bar.maximum);
    widgets_.progress->setValue(bar.value);
    widgets_.CmdAnnulla->setEnabled(!screen.stopRequested);
    // While a report runs only the wait panel takes the user's input.
    for (QWidget* control : panel->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control != panel && !control->isWindow()) control->setEnabled(!screen.waitPanelVisible);
    }
}

}  // namespace kv::gui
