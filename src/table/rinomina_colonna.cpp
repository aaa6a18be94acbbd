#include "table/rinomina_colonna.h"

#include "table/menu_gen.h"

namespace velmora {

TRinominaColonna::TRinominaColonna(TMenuGEN& menu) : Window("TRinominaColonna", "Rinomina Colonna", 271, 132), menu_(menu)
{
    declare(NomeColonna_TXT);
    declare(Annulla_BTN).onClick = [this] { Annulla_BTNClick(); };
    declare(Rinomina_BTN).onClick = [this] { Rinomina_BTNClick(); };
}

namespace {

// The length of the UTF-8 sequence that starts with `lead` and its code
// point; a byte that starts no valid sequence stands for itself.
std::size_t decodeOne(std::string_view s, std::size_t i, char32_t& cp)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    } else {
        cp = 0xFFFFFFFF;
        return 1;
    }
    if (i + length > s.size()) {
        cp = 0xFFFFFFFF;
        return 1;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            cp = 0xFFFFFFFF;
            return 1;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    return length;
}

bool removed(char32_t c)
{
    return (c >= 33 && c <= 43) || c == 45 || c == 47 || (c >= 58 && c <= 64) || (c >= 91 && c <= 94) || c == 123 ||
           c == 125 || c == 163 || c == 176;
}

}  // namespace

std::string TRinominaColonna::ControlloAccenti(std::string_view testo)
{
    std::string out;
    out.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size();) {
        char32_t c = 0;
        const std::size_t length = decodeOne(testo, i, c);
        switch (c) {
        case 32: out += '_'; break;
        case 224: out += 'a'; break;
        case 232:
        case 233: out += 'e'; break;
        case 236: out += 'i'; break;
        case 242: out += 'o'; break;
        case 249: out += 'u'; break;
        default:
            if (!removed(c)) out.append(testo.substr(i, length));
        }
        i += length;
    }
    return out;
}

void TRinominaColonna::Rinomina_BTNClick()
{
    NomeColonna_TXT.text = ControlloAccenti(NomeColonna_TXT.text);
    menu_.Tabella_TXT.setHeader(indiceColonna, NomeColonna_TXT.text);
    menu_.platform.close(*this);
}

void TRinominaColonna::Annulla_BTNClick() { menu_.platform.close(*this); }

}  // namespace velmora
