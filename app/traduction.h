#pragma once
// Qt's own texts (context menus of the text boxes, standard buttons) in
// French when the user's language is French.

#include <QLocale>

class QCoreApplication;
class QTranslator;

// Loads qtbase_fr.qm from Qt's translations folder and installs it on `app`
// when `langue` is French. Returns the installed translator (owned by `app`),
// or nullptr when the language is not French or the file is absent.
QTranslator* installer_traduction_qt(QCoreApplication& app, const QLocale& langue = QLocale());
