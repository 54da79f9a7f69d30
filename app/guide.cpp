// The French guide, from the program's resources, in a window of its own
// that can stay open beside the main window.

#include "app/form1.h"

#include <QAction>
#include <QMenu>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The anchor a heading gets, as the Markdown renderers of the forges write
// it: lower case, letters, digits and hyphens kept, blanks made hyphens.
QString ancre(const QString& titre)
{
    QString r;
    for (QChar c : titre.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-'))
            r += c;
        else if (c.isSpace())
            r += QLatin1Char('-');
    }
    return r;
}

// Qt's Markdown reader gives the headings no anchors: each gets its own, so
// that the guide's links inside itself work.
void ancrer_titres(QTextDocument* document)
{
    for (QTextBlock bloc = document->begin(); bloc.isValid(); bloc = bloc.next()) {
        if (bloc.blockFormat().headingLevel() == 0)
            continue;
        QTextCursor curseur(bloc);
        curseur.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorNames({ancre(bloc.text())});
        curseur.mergeCharFormat(format);
    }
}

}  // namespace

void Form1::construire_aide()
{
    action_guide = new QAction(QStringLiteral("&Guide d'utilisation"), this);
    action_guide->setObjectName(QStringLiteral("action_Guide"));
    action_guide->setShortcut(QKeySequence(Qt::Key_F1));
    action_guide->setShortcutContext(Qt::ApplicationShortcut);
    menu_aide->insertAction(action_à_propos, action_guide);
    QObject::connect(action_guide, &QAction::triggered, this, [this] { ouvrir_guide(); });
}

void Form1::ouvrir_guide()
{
    if (!guide) {
        guide = new QTextBrowser(this);
        guide->setWindowFlag(Qt::Window);
        guide->setObjectName(QStringLiteral("Guide"));
        guide->setWindowTitle(QStringLiteral("Guide d'utilisation"));
        guide->setOpenExternalLinks(true);
        guide->setSource(QUrl(QStringLiteral("qrc:/aide/guide.md")), QTextDocument::MarkdownResource);
        ancrer_titres(guide->document());
        guide->resize(640, height());
        guide->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    guide->show();
    guide->raise();
    guide->activateWindow();
}
