#include "gui/qt_translations.hpp"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kv::gui {

bool InstallItalianTranslations(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace kv::gui
