#include "app/screen_controls.hpp"

#include "app/text.hpp"

namespace kv::app {

namespace {
constexpr std::size_t kNameWidth = 50;
}  // namespace

std::string VisiblePart(const CompanyEntry& entry, bool orderByName) {
    std::size_t length = orderByName ? kNameWidth + 1 + Trim(entry.code).size()
                                     : entry.code.size() + 1 + kNameWidth;
    return entry.text.substr(0, length);
}

TwipsRect CentredScreen(int displayWidth, int displayHeight) {
    return TwipsRect{(displayWidth - kScreenWidth) / 2, (displayHeight - kScreenHeight) / 2,
                     kScreenWidth, kScreenHeight};
}

const std::vector<ControlInfo>& ScreenControls() {
    using K = ControlKind;
    static const std::vector<ControlInfo> controls = {
        {"FrmQTVELMNEW", -1, K::Window, kScreenCaption},
        {"Label1", 0, K::Label, "CERTIFICAZIONI PARCELLE"},
        {"Label1", 1, K::Label, ""},  // the year of the documents
        {"LabelAnno", -1, K::Label, "Anno"},
        {"FrameMesi", -1, K::Group, ""},
        {"ListMesi", -1, K::List, ""},
        {"CheckTutti", -1, K::TickBox, "Tutti i Mesi"},
        {"Label5", -1, K::Label, "Mesi Selezionati"},
        {"OptionAnno", kCorrente, K::Option, "Corrente"},
        {"OptionAnno", kPrecedente, K::Option, "Precedente"},
        {"Label4", -1, K::Label, "Anno Selezionato"},
        {"Frame6", -1, K::Group, "Selezioni Opzioni Stampa"},
        {"OptionDoc", kElencoDocumenti, K::Option, kReportCaptions[kElencoDocumenti]},
        {"OptionDoc", kRegistroCompensi, K::Option, kReportCaptions[kRegistroCompensi]},
        {"OptionDoc", kElencoPercipienti, K::Option, kReportCaptions[kElencoPercipienti]},
        {"OptionDoc", kCertificazioni, K::Option, kReportCaptions[kCertificazioni]},
        {"OptionStampa", kCreaPdf, K::Option, "Crea PDF"},
        {"OptionStampa", kStampaLaser, K::Option, "Stampa Laser"},
        {"FrameData", -1, K::Group, ""},
        {"Label3", -1, K::Label, "Data"},
        {"txtdata", -1, K::TextField, ""},
        {"FrameDitte", -1, K::Group, "Elenco Ditte"},
        {"ListAzi", -1, K::List, ""},
        {"Frame3", -1, K::Group, "Selezione Ditte"},
        {"CheckAzi", -1, K::TickBox, ""},  // caption held by the model
        {"FrameOrdAz", -1, K::Group, "Ordinamento Ditte"},
        {"OptOrdListAzi", kOrderByCode, K::Option, "Codice"},
        {"OptOrdListAzi", kOrderByName, K::Option, "Ragione Sociale"},
        {"Frame12", -1, K::Group, ""},  // the wait panel; caption held by the model
        {"Label2", 14, K::Label, "ATTENDERE"},
        {"Label2", 15, K::Label, "ELABORAZIONE IN CORSO"},
        {"CheckNonSovrascrivere", -1, K::TickBox, "Non sovrascrivere i PDF esistenti"},
        {"CheckPdfA", -1, K::TickBox, "PDF/A per la conservazione"},
        {"CmdAnnulla", -1, K::Button, "Annulla"},  // stops the report after the file under way
        {"CmdConferma", -1, K::Button, "Conferma"},
        {"CmdUscita", -1, K::Button, "Uscita"},
    };
    return controls;
}

}  // namespace kv::app
