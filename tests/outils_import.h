#pragma once
// Psim text exports written by the tests. No Qt here.
#include <cstdio>
#include <functional>
#include <string>
// One data line: 14-character fields.
inline std::string ligne(std::initializer_list<double> valeurs)
{
    std::string r;
    for (char champ[32]; double v : valeurs)
        r += (std::snprintf(champ, sizeof champ, "%14.6E", v), champ);
    return r;
}
// The header "  Time Vo Iin", then n lines where Vo = vo(line) and Iin = -line; `fin` ends each line.
inline std::string export_psim(int n, const std::function<double(int)>& vo, const std::string& fin = "\n")
{
    std::string r = "  Time Vo Iin" + fin;
    for (int k = 1; k <= n; ++k)
        r += ligne({k * 1e-5, vo(k), -1.0 * k}) + fin;
    return r;
}
