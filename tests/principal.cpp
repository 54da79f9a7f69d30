// The program's own main(), started with Qt's options: Qt's texts in French whatever the locale, Qt's options taken by Qt.
#include <QtWidgets>
#include <gtest/gtest.h>
int sinuvia_main(int argc, char** argv);  // app/main.cpp, renamed
static QStringList vu;  // the text boxes' context menu, then the style and whether the layout is reversed
// Runs as main() builds its application object; looks once the event loop runs, then closes the window.
static void regarder()
{
    QTimer::singleShot(0, [] {
        QLineEdit zone;
        const std::unique_ptr<QMenu> m(zone.createStandardContextMenu());
        for (QAction* a : m->actions())
            vu << a->text().remove('&');
        vu << qApp->style()->name() << (qApp->layoutDirection() == Qt::RightToLeft ? "inversé" : "") << "", QApplication::closeAllWindows();
    });
}
Q_COREAPP_STARTUP_FUNCTION(regarder)
TEST(Programme, TexteDeQtEnFrancaisEtOptionsDeQt)
{
    std::string arguments[] = {"sinuvia", "-platform", "offscreen", "-style", "fusion", "-reverse", "-geometry", "800x600"};
    char* argv[std::size(arguments)];
    std::ranges::transform(arguments, argv, [](std::string& a) { return a.data(); });
    EXPECT_EQ(sinuvia_main(std::size(arguments), argv), 0);
    EXPECT_TRUE(QRegularExpression("^Annuler.*\\|Couper.*\\|Copier.*\\|Coller.*\\|fusion\\|inversé\\|$").match(vu.join('|')).hasMatch());
}
