// "Drukuj kopertę": one envelope as a one-page job on the printer the user
// picks. The printer and its settings are kept between jobs like a printer
// object would; the landscape box applies to one job only.
#include "trombela/data_folder.h"
#include "trombela/envelope_printer_win.h"
#include "trombela/koperta_form_win.h"
#include "trombela/polish_texts.h"
#include "trombela/text_1250_win.h"

#include <commdlg.h>

#include <stdexcept>

namespace trombela {
namespace {

void SetOrientation(HGLOBAL mode, short orientation) {
    if (!mode) return;
    auto* dm = static_cast<DEVMODEW*>(GlobalLock(mode));
    if (!dm) return;
    dm->dmFields |= DM_ORIENTATION;
    dm->dmOrientation = orientation;
    GlobalUnlock(mode);
}

unique_memory_dc CreatePrinterDc(HGLOBAL names, HGLOBAL mode) {
    auto* dn = static_cast<DEVNAMES*>(GlobalLock(names));
    if (!dn) return unique_memory_dc();
    const wchar_t* base = reinterpret_cast<const wchar_t*>(dn);
    auto* dm = mode ? static_cast<DEVMODEW*>(GlobalLock(mode)) : nullptr;
    unique_memory_dc dc(CreateDCW(base + dn->wDriverOffset, base + dn->wDeviceOffset, nullptr, dm));
    if (dm) GlobalUnlock(mode);
    GlobalUnlock(names);
    return dc;
}

}  // namespace

void Tkoperta_f::SpeedButton4Click() {
    PRINTDLGW pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = hwnd_;
    pd.hDevMode = printer_mode_.release();
    pd.hDevNames = printer_names_.release();
    pd.Flags = PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    const BOOL chosen = PrintDlgW(&pd);
    // The dialog may have replaced the blocks; keep whatever it left.
    printer_mode_.reset(pd.hDevMode);
    printer_names_.reset(pd.hDevNames);
    if (!chosen) return;

    const int size = CheckedSize() ? CheckedSize() : 1;
    EnvelopeJob job;
    job.spacing = od.Text();
    job.sender_left = l_n.Text();
    job.sender_top = g_n.Text();
    job.recipient_left = l[size - 1].Text();
    job.recipient_top = g[size - 1].Text();

    font_f_.CzytajFonty(kFontFileName);
    job.font = font_f_.PrintFontValue();

    SetOrientation(printer_mode_.get(), poziomo.Checked() ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
    unique_memory_dc dc = CreatePrinterDc(printer_names_.get(), printer_mode_.get());
    SetOrientation(printer_mode_.get(), DMORIENT_PORTRAIT);
    if (!dc) throw std::runtime_error(texts::kPrintErrorText);

    const std::wstring title = Widen(texts::kCaptionDefault);
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = title.c_str();
    if (StartDocW(dc.get(), &doc) <= 0) throw std::runtime_error(texts::kPrintErrorText);
    if (StartPage(dc.get()) <= 0) {
        AbortDoc(dc.get());
        throw std::runtime_error(texts::kPrintErrorText);
    }
    for (int i = 0; i < 4; ++i) job.sender[i] = n[i].Text();
    for (int i = 0; i < 5; ++i) job.recipient[i] = o[i].Text();
    job.print_logo = logo.Checked();
    if (job.print_logo) {
        job.logo_left = l_log.Text();
        job.logo_top = g_log.Text();
        job.logo = &Image3.picture();
    }
    DrawEnvelope(dc.get(), job);
    EndPage(dc.get());
    EndDoc(dc.get());
}

}  // namespace trombela
