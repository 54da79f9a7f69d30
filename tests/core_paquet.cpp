// The desktop entry, the AppStream metainfo and the icon that the package installs.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>

static std::string lire(const std::string& chemin)
{
    std::ifstream f(std::string(SINUVIA_SOURCES) + "/packaging/" + chemin);
    EXPECT_TRUE(f.good()) << chemin;
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// The first match of `motif`'s group in `texte`, or "" when absent.
static std::string trouvé(const std::string& texte, const std::string& motif)
{
    std::smatch m;
    return std::regex_search(texte, m, std::regex(motif)) ? m[1].str() : std::string();
}

TEST(Paquet, EntreeDeBureauMetainfoEtIcone)
{
    const std::string bureau = lire("sinuvia.desktop");
    ASSERT_EQ(bureau.rfind("[Desktop Entry]\n", 0), 0u);
    for (auto [clé, valeur] : {std::pair{"Type", "Application"}, {"Name", "Sinuvia"}, {"Exec", "sinuvia"},
                               {"Icon", "sinuvia"}, {"Terminal", "false"}, {"Categories", "Education;Science;Physics;"}})
        EXPECT_EQ(trouvé(bureau, std::string("\n") + clé + "=([^\n]*)"), valeur) << clé;
    EXPECT_NE(trouvé(bureau, "\nComment=([^\n]*)").find("harmoniques"), std::string::npos) << "a French comment";

    const std::string xml = lire("org.example.Sinuvia.metainfo.xml");
    for (auto [élément, texte] : {std::pair{"id", "org.example.Sinuvia"}, {"name", "Sinuvia"},
                                  {"summary", "Décomposition de Fourier des signaux périodiques"},
                                  {"launchable type=\"desktop-id\"", "sinuvia.desktop"}, {"binary", "sinuvia"}})
        EXPECT_EQ(trouvé(xml, std::string("<") + élément + ">([^<]*)<"), texte) << élément;
    EXPECT_NE(xml.find("<p>L'élève peut :</p>"), std::string::npos) << "a French description";
    EXPECT_NE(trouvé(xml, "<image>(https://example\\.org/[^<]+\\.png)</image>"), "");
    EXPECT_EQ(trouvé(xml, "<release version=\"([^\"]*)\""), SINUVIA_VERSION);

    EXPECT_NE(lire("sinuvia.svg").find("viewBox=\"0 0 16 16\""), std::string::npos);
}
