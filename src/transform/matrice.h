#pragma once
// Matrix operations: the data table's first C rows of its C columns read as
// a square matrix, raised to a whole power or inverted.
#include "analysis/analysis_window.h"
#include "transform/matrix_algebra.h"

namespace velmora {

class TMatrice : public AnalysisWindow {
public:
    explicit TMatrice(TMenuGEN& menu);

    ComboBox Operazione_LST{"Operazione_LST", "Operazione", Area::CommandBar};
    EditBox esponente_TXT{"esponente_TXT", "Potenza", "2"};

    static constexpr const char* singularMessage = "La matrice è singolare: non ha inversa";

    void Analisi_IMGClick();
    void Operazione_LSTChange() { esponente_TXT.visible = Operazione_LST.itemIndex == 0; }

private:
    bool powerSelected() const { return Operazione_LST.itemIndex == 0; }
    SquareMatrix readMatrix(int digits) const;
    MatrixOutcome invertShowingProgress(const SquareMatrix& a, SquareMatrix& inverse);
    MatrixOutcome raiseShowingProgress(const SquareMatrix& a, int e, SquareMatrix& result);
    void showMatrix(const SquareMatrix& b, int digits);
};

}  // namespace velmora
