// The guide: opened by F1 and by its entry, its pictures and its links inside itself, and a word for every menu entry.
#include "tests/outils_compacts.h"
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
namespace {
using Guide = AvecFenêtre;
// F1 opens it beside the window, with its title; closed, the entry opens it again.
TEST_F(Guide, F1AndTheEntryOpenIt)
{
    f->activateWindow();
    QCoreApplication::processEvents();
    QTest::keyClick(f->Amplit[2], Qt::Key_F1);
    ASSERT_NE(f->guide, nullptr);
    EXPECT_EQ(std::tuple(f->guide->isVisible(), f->guide->isWindow(), f->guide->windowTitle(), f->isVisible()),
              std::tuple(true, true, QString("Guide d'utilisation"), true));
    EXPECT_TRUE(f->guide->toPlainText().startsWith("Guide d'utilisation de Sinuvia"));
    f->guide->close();
    EXPECT_EQ(f->action_guide->text(), "&Guide d'utilisation");
    f->action_guide->trigger();
    EXPECT_TRUE(f->guide->isVisible());
}
// Every picture loads from the resources; every link inside the guide has its heading; the guide names the caption of
// every menu and menu entry (a new entry without a word in the guide fails here).
TEST_F(Guide, PicturesLinksAndEveryMenuCaption)
{
    f->ouvrir_guide();
    QStringList ancres, liens;
    int images = 0;
    for (QTextBlock b = f->guide->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            ancres << format.anchorNames();
            if (format.anchorHref().startsWith('#'))
                liens << format.anchorHref().mid(1);
            if (format.isImageFormat()) {
                const QUrl image(format.toImageFormat().name());
                EXPECT_FALSE(f->guide->loadResource(QTextDocument::ImageResource, image).value<QByteArray>().isEmpty()) << image.toString().toStdString();
                ++images;
            }
        }
    EXPECT_TRUE(images >= 2 && liens.size() >= 12) << images << " " << liens.size();
    for (const QString& lien : liens)
        EXPECT_TRUE(ancres.contains(lien)) << lien.toStdString();
    const QString texte = f->guide->toPlainText();
    for (QAction* menu : f->barre_menus->actions())
        for (QAction* a : QList<QAction*>{menu} + menu->menu()->actions())
            if (!a->isSeparator()) {
                EXPECT_TRUE(texte.contains(QString(a->text()).remove('&'))) << a->text().toStdString();
            }
}
}  // namespace
