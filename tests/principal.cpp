// The program's own main(), started with Qt's options: what it leaves set up once its window is shown.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTimer>

#include <gtest/gtest.h>

int sinuvia_main(int argc, char** argv);  // app/main.cpp, renamed

namespace {

QStringList menu;
QString style;
bool inversé = false;

// Runs as main() builds its application object; looks once its event loop runs, then ends it.
void regarder()
{
    QTimer::singleShot(0, [] {
        QLineEdit zone;  // Qt's own texts: the text boxes' context menu
        const std::unique_ptr<QMenu> m(zone.createStandardContextMenu());
        for (QAction* a : m->actions())
            menu << a->text().remove('&');
        std::tie(style, inversé) = std::pair(qApp->style()->name(), qApp->layoutDirection() == Qt::RightToLeft);
        QApplication::closeAllWindows();
    });
}
Q_COREAPP_STARTUP_FUNCTION(regarder)

// Qt's texts in French whatever the locale, and Qt's options taken by Qt.
TEST(Programme, TexteDeQtEnFrancaisEtOptionsDeQt)
{
    char* arguments[] = {const_cast<char*>("sinuvia"), const_cast<char*>("-platform"), const_cast<char*>("offscreen"),
                         const_cast<char*>("-style"), const_cast<char*>("fusion"), const_cast<char*>("-reverse"),
                         const_cast<char*>("-geometry"), const_cast<char*>("800x600")};
    EXPECT_EQ(sinuvia_main(8, arguments), 0);
    for (const char* attendu : {"Annuler", "Couper", "Copier", "Coller"})
        EXPECT_TRUE(std::ranges::any_of(menu, [&](const QString& t) { return t.startsWith(attendu); })) << attendu << menu.join('|').toStdString();
    EXPECT_EQ(std::pair(style, inversé), std::pair(QString("fusion"), true));
}

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
