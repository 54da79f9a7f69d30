#pragma once
// Qt's own texts (context menus of the text boxes, standard buttons) in
// French, as the rest of the interface, whatever the user's locale.

class QCoreApplication;
class QTranslator;

// Loads qtbase_fr.qm from Qt's translations folder and installs it on `app`.
// Returns the installed translator (owned by `app`), or nullptr when the
// file is absent.
QTranslator* installer_traduction_qt(QCoreApplication& app);
