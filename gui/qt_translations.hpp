#pragma once
// Qt's own texts in Italian (standard buttons, the text fields' context menu ...), from the
// translations Qt installs (Debian: qt6-translations-l10n).

#include <QCoreApplication>

namespace kv::gui {

// Installs Qt's Italian translations into the application; false when they are not installed, and
// Qt's texts stay in English (the message boxes set their own button texts all the same).
bool InstallItalianTranslations(QCoreApplication& application);

}  // namespace kv::gui
