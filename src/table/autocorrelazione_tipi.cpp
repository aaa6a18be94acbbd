#include "table/autocorrelazione_tipi.h"

namespace velmora {

TAutocorrelazioneTipi::TAutocorrelazioneTipi(TMenuGEN&)
    : Window("TAutocorrelazioneTipi", "Tipologie di correlazioni", 740, 660)
{
    Titolo_LAB.fontSize = 18;
    Titolo_LAB.centered = true;
    declare(Titolo_LAB);
    Correlogrammi_IMG.preferredWidth = 684;
    Correlogrammi_IMG.preferredHeight = 230;
    declare(Correlogrammi_IMG);

    A_TXT.lines = {
        "A. Il valore di Rk e' sempre positivo e decresce lentamente all'aumentare di k. Ogni valore della serie "
        "resta quindi legato a quelli che lo precedono anche quando sono lontani nel tempo, perche' tutti seguono "
        "la stessa direzione. Questo andamento indica la presenza di un trend, cioe' di una tendenza di fondo della "
        "serie a crescere o a diminuire. Prima di cercare altre componenti conviene stimare il trend e sottrarlo "
        "dai dati."};
    B_TXT.lines = {
        "B. Il valore di Rk varia, ma e' positivo e massimo in corrispondenza di valori di k tali da configurare "
        "una periodicita' annuale, per esempio k = 4 e i suoi multipli con dati trimestrali oppure k = 12 con dati "
        "mensili. I valori della serie si somigliano quindi a distanza di un anno, mentre a distanze intermedie la "
        "correlazione si riduce o diventa negativa. Questo andamento indica che nella serie prevale la componente "
        "stagionale."};
    C_TXT.lines = {
        "C. I valori di Rk variano, ma per k > 0 oscillano sempre entro una banda ristretta. Nessun valore della "
        "serie aiuta quindi a prevedere quelli che lo seguono, perche' le osservazioni non sono legate tra loro. "
        "Questo andamento indica che la serie e' essenzialmente casuale, senza trend e senza componente stagionale."};
    for (Memo* m : {&A_TXT, &B_TXT, &C_TXT}) {
        m->readOnly = true;
        m->wordWrap = true;
        m->preferredHeight = 96;
        declare(*m);
    }
}

}  // namespace velmora
