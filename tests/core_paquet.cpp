// The desktop entry and the AppStream metainfo that the package installs:
// the fields that menus and software centres show.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace {

std::string lire(const std::string& chemin)
{
    std::ifstream f(std::string(SINUVIA_SOURCES) + "/" + chemin);
    EXPECT_TRUE(f.good()) << chemin;
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// Keys of the [Desktop Entry] group.
std::map<std::string, std::string> entrée_de_bureau()
{
    std::istringstream lignes(lire("packaging/sinuvia.desktop"));
    std::map<std::string, std::string> clés;
    std::string ligne, groupe;
    while (std::getline(lignes, ligne)) {
        if (ligne.empty() || ligne[0] == '#')
            continue;
        if (ligne[0] == '[') {
            groupe = ligne;
            continue;
        }
        const auto égal = ligne.find('=');
        if (groupe == "[Desktop Entry]" && égal != std::string::npos)
            clés[ligne.substr(0, égal)] = ligne.substr(égal + 1);
    }
    return clés;
}

// The text of the first element `nom` (without attributes) of `xml`.
std::string élément(const std::string& xml, const std::string& nom)
{
    std::smatch m;
    if (!std::regex_search(xml, m, std::regex("<" + nom + ">([^<]*)</" + nom + ">")))
        return {};
    return m[1];
}

}  // namespace

TEST(Paquet, EntreeDeBureau)
{
    auto e = entrée_de_bureau();
    EXPECT_EQ(e["Type"], "Application");
    EXPECT_EQ(e["Name"], "Sinuvia");
    EXPECT_EQ(e["Exec"], "sinuvia");
    EXPECT_EQ(e["Icon"], "sinuvia");
    EXPECT_EQ(e["Terminal"], "false");
    EXPECT_EQ(e["Categories"], "Education;Science;Physics;");
    EXPECT_NE(e["Comment"].find("harmoniques"), std::string::npos) << "a French comment: " << e["Comment"];
}

TEST(Paquet, MetainfoAppStream)
{
    const std::string xml = lire("packaging/org.example.Sinuvia.metainfo.xml");
    EXPECT_EQ(élément(xml, "id"), "org.example.Sinuvia");
    EXPECT_EQ(élément(xml, "name"), "Sinuvia");
    EXPECT_EQ(élément(xml, "summary"), "Décomposition de Fourier des signaux périodiques");
    EXPECT_NE(xml.find("<launchable type=\"desktop-id\">sinuvia.desktop</launchable>"), std::string::npos);
    EXPECT_NE(xml.find("<binary>sinuvia</binary>"), std::string::npos);
    EXPECT_NE(xml.find("<p>L'élève peut :</p>"), std::string::npos) << "a French description";
    // A screenshot, on the reserved example domain.
    std::smatch m;
    ASSERT_TRUE(std::regex_search(xml, m, std::regex("<image>(https://example\\.org/[^<]+\\.png)</image>")));
    // The release is the project's version.
    EXPECT_NE(xml.find("<release version=\"" SINUVIA_VERSION "\""), std::string::npos);
}

TEST(Paquet, IconeVectorielleAuxCinqBarres)
{
    const std::string svg = lire("packaging/sinuvia.svg");
    EXPECT_NE(svg.find("viewBox=\"0 0 16 16\""), std::string::npos);
    // Five bars decreasing from left to right (their outer rectangles).
    const std::regex barre("<rect x=\"(\\d+)\" y=\"\\d+\" width=\"2\" height=\"(\\d+)\"/>");
    int n = 0, gauche = -1, hauteur = 100;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), barre); it != std::sregex_iterator(); ++it, ++n) {
        EXPECT_GT(std::stoi((*it)[1]), gauche);
        EXPECT_LT(std::stoi((*it)[2]), hauteur);
        gauche = std::stoi((*it)[1]);
        hauteur = std::stoi((*it)[2]);
    }
    EXPECT_EQ(n, 5);
}
