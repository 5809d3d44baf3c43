// Every text the user sees, in code page 1250 (the program's ANSI code page).
// Escaped so the bytes do not depend on the compiler's source or execution
// character sets; the readable text is in the comment beside each one.
#pragma once

namespace trombela::texts {
inline constexpr const char kNadawca[] = "Nadawca";
inline constexpr const char kOdbiorca[] = "Odbiorca";
inline constexpr const char kForma[] = "Forma";
inline constexpr const char kMemo2Line1[] = "Po zdefiniowanu parametr\xF3w nadawcy, odbiorcy oraz logo zapisz definicje ";  // Po zdefiniowanu parametrów nadawcy, odbiorcy oraz logo zapisz definicje 
inline constexpr const char kMemo2Line2[] = "w postaci profilu kt\xF3remu nadaj przyjazn\xB9 nazw\xEA. W ka\xBF" "dej chwili mo\xBF" "esz ";  // w postaci profilu któremu nadaj przyjazną nazwę. W każdej chwili możesz 
inline constexpr const char kMemo2Line3[] = "taki profil wczyta\xE6 i drukowa\xE6 koperty na jego podstawie.";  // taki profil wczytać i drukować koperty na jego podstawie.
inline constexpr const char kKoniec[] = "Koniec";
inline constexpr const char kParametryKoperty[] = "Parametry koperty";
inline constexpr const char kDrukujPoziomo[] = "drukuj poziomo";
inline constexpr const char kOdLewejMm[] = "od lewej (mm)";
inline constexpr const char kOdGoryMm[] = "od g\xF3ry (mm)";  // od góry (mm)
inline constexpr const char kRozmiar1[] = "rozmiar 1";
inline constexpr const char kRozmiar2[] = "rozmiar 2";
inline constexpr const char kRozmiar3[] = "rozmiar 3";
inline constexpr const char kRozmiar4[] = "rozmiar 4";
inline constexpr const char kOdstepMm[] = "odst\xEAp (mm)";  // odstęp (mm)
inline constexpr const char kParametryLogo[] = "Parametry Logo";
inline constexpr const char kOdLewejPix[] = "od lewej (pix)";
inline constexpr const char kOdGoryPix[] = "od g\xF3ry (pix)";  // od góry (pix)
inline constexpr const char kDolaczObrazek[] = "Do\xB3\xB9" "cz obrazek";  // Dołącz obrazek
inline constexpr const char kOdlaczObrazek[] = "Od\xB3\xB9" "cz obrazek";  // Odłącz obrazek
inline constexpr const char kDrukujObrazek[] = "drukuj obrazek";
inline constexpr const char kLokalizacjaObrazka[] = "lokalizacja obrazka";
inline constexpr const char kZapiszDomyslne[] = "Zapisz ustalenia jako domy\x9Clne";  // Zapisz ustalenia jako domyślne
inline constexpr const char kCzytajDomyslne[] = "Czytaj ustalenia domy\x9Clne";  // Czytaj ustalenia domyślne
inline constexpr const char kCzcionkaDruku[] = "Czcionka druku";
inline constexpr const char kZapiszProfil[] = "Zapisz profil";
inline constexpr const char kCzytajProfil[] = "Czytaj profil";
inline constexpr const char kPomoc[] = "Pomoc";
inline constexpr const char kDrukujKoperte[] = "Drukuj kopert\xEA";  // Drukuj kopertę
inline constexpr const char kPowrot[] = "Powr\xF3t";  // Powrót
inline constexpr const char kClockStart[] = "00:00:00";
inline constexpr const char kRozmiarPrefix[] = "Rozmiar ";
inline constexpr const char kHelp1[] = "1.Okre\x9Cl po\xB3o\xBF" "enie napis\xF3w odbiorcy od lewej i g\xF3rnej kraw\xEA" "dzi koperty.";  // 1.Określ położenie napisów odbiorcy od lewej i górnej krawędzi koperty.
inline constexpr const char kHelp2[] = "2.Wpisz swoje dane jako nadawca korespondencji.";
inline constexpr const char kHelp3[] = "3.Przyciskiem Zapisz ustalenia zapami\xEAtaj dane.";  // 3.Przyciskiem Zapisz ustalenia zapamiętaj dane.
inline constexpr const char kHelp4[] = "4.Wybierz czcionk\xEA druku.";  // 4.Wybierz czcionkę druku.
inline constexpr const char kHelp5[] = "5.Wpisz form\xEA Pan/Pani oraz dane odbiorcy.";  // 5.Wpisz formę Pan/Pani oraz dane odbiorcy.
inline constexpr const char kHelp6[] = "6.Je\xBF" "eli na kopercia chcesz wydrukowa\xE6 logo, odszukaj w\xB3" "a\x9C" "ciwy obrazek.";  // 6.Jeżeli na kopercia chcesz wydrukować logo, odszukaj właściwy obrazek.
inline constexpr const char kHelp7[] = "7.Podaj po\xB3o\xBF" "enie obrazka na kopercie ( w pixelach).";  // 7.Podaj położenie obrazka na kopercie ( w pixelach).
inline constexpr const char kHelp8[] = "8.Zaznacz opcj\xEA drukowania obrazka.";  // 8.Zaznacz opcję drukowania obrazka.
inline constexpr const char kHelp9[] = "9.W zale\xBFno\x9C" "ci od typu podajnika w\xB3\xB9" "cz lub wy\xB3\xB9" "cz opcj\xEA drukowania poziomego.";  // 9.W zależności od typu podajnika włącz lub wyłącz opcję drukowania poziomego.
inline constexpr const char kHelp10a[] = "10.Po ustaleniu nadawcy, jego parametr\xF3w oraz parametr\xF3w odbiorcy i definicji dotycz\xB9" "cych logo, mo\xBF" "esz ";  // 10.Po ustaleniu nadawcy, jego parametrów oraz parametrów odbiorcy i definicji dotyczących logo, możesz 
inline constexpr const char kHelp10b[] = "stworzy\xE6 w\xB3\xB9sny profil podaj\xB9" "c jego przyjazn\xB9 nazw\xEA.";  // stworzyć włąsny profil podając jego przyjazną nazwę.
inline constexpr const char kHelp11[] = "11.Mo\xBF" "esz przygotowa\xE6 dowoln\xB9 ilo\x9C\xE6 profili.";  // 11.Możesz przygotować dowolną ilość profili.
inline constexpr const char kHelp12[] = "12.W ka\xBF" "dej chwili mo\xBF" "esz wczyta\xE6 profil i drukowa\xE6 koperty na jego podstawie.";  // 12.W każdej chwili możesz wczytać profil i drukować koperty na jego podstawie.
inline constexpr const char kHelpEmpty[] = "";
inline constexpr const char kHelpRemember1[] = "Pami\xEAtaj! Dla r\xF3\xBFnych czcionek mo\xBF" "e zachodzi\xE6 potrzeba zmiany odst\xEAp\xF3w mi\xEA" "dzy ";  // Pamiętaj! Dla różnych czcionek może zachodzić potrzeba zmiany odstępów między 
inline constexpr const char kHelpRemember2[] = "wierszami.";
inline constexpr const char kPytanie[] = "Pytanie";
inline constexpr const char kWczytacDomyslne[] = "Wczyta\xE6 ustawienia domy\x9Clne ?";  // Wczytać ustawienia domyślne ?
inline constexpr const char kKoniecPracy[] = "Koniec pracy ?";
inline constexpr const char kCaptionDefault[] = "Trombela kopert - profil domy\x9Clny";  // Trombela kopert - profil domyślny
inline constexpr const char kCaptionProfilePrefix[] = "Trombela kopert ";
inline constexpr const char kPictureFilter[] = "Pliki graficzne|*.jpg";
inline constexpr const char kPictureDefExt[] = "*.jpg";
inline constexpr const char kProfileFilter[] = "Pliki profil\xF3w|*.pro";  // Pliki profilów|*.pro
inline constexpr const char kProfileDefExt[] = "*.pro";
inline constexpr const char kIoErrorTitle[] = "B\xB3\xB9" "d";  // Błąd
inline constexpr const char kIoErrorText[] = "B\xB3\xB9" "d wej\x9C" "cia/wyj\x9C" "cia ";  // Błąd wejścia/wyjścia 
inline constexpr const char kPrintErrorText[] = "B\xB3\xB9" "d drukarki: nie mo\xBFna rozpocz\xB9\xE6 wydruku.";  // Błąd drukarki: nie można rozpocząć wydruku.

}  // namespace trombela::texts
