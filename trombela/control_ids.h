// Control identifiers of the main window, shared with the tests that drive it.
// Every identifier is unique in the whole window (panels included), so a
// control can be found by its number alone.
#pragma once

namespace trombela::ids {

enum ControlId : int {
    kPanel1 = 100,
    kPanel2,
    kPanel3,
    kGroupBox1,
    kNadawcaLabel,
    kOdbiorcaLabel,
    kFormaLabel,
    kN1 = 110, kN2, kN3, kN4,
    kO1 = 120, kO2, kO3, kO4, kO5,
    kL1 = 130, kL2, kL3, kL4,
    kG1 = 140, kG2, kG3, kG4,
    kRadioButton1 = 150, kRadioButton2, kRadioButton3, kRadioButton4,
    kOd = 160,
    kLN,
    kGN,
    kLLog,
    kGLog,
    kNazwa,
    kPoziomo = 170,
    kLogo,
    kMemo1 = 180,
    kMemo2,
    kImage1 = 190,
    kImage2,
    kImage3,
    kLabel5 = 200,
    kLabel7,
    kSpeedButton1 = 210,  // Koniec
    kSpeedButton2,        // Zapisz ustalenia jako domyślne
    kSpeedButton3,        // Czcionka druku
    kSpeedButton4,        // Drukuj kopertę
    kSpeedButton6 = 216,  // Dołącz obrazek
    kSpeedButton7,        // Odłącz obrazek
    kSpeedButton8,        // Powrót
    kSpeedButton9,        // Pomoc
    kSpeedButton10,       // Czytaj profil
    kSpeedButton11,       // Zapisz profil
    kSpeedButton12,       // Czytaj ustalenia domyślne
    kStaticText = 300,    // first of the plain captions
};

// The window class of the main window, so other programs can find it.
inline constexpr wchar_t kFormClass[] = L"Tkoperta_f";

}  // namespace trombela::ids
