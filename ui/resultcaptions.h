#pragma once
// The captions of a test's eight values, in the order the windows and the
// printed evaluation show them: the test's name, date and duration, then the
// five results.

namespace tymba {

inline constexpr const char* kResultCaptions[8] = {
    "Název testu:", "Datum testu:",           "Doba testu:",    "Hrubé úhozy:", "Počet chyb:",
    "Čisté úhozy:", "Čisté úhozy za minutu:", "Procento chyb:",
};

}  // namespace tymba
