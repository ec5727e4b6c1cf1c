#pragma once

#include <string>
#include <vector>

namespace ado::jet {

// Jet's text comparison on UTF-8: letter case ignored (also for accented capitals and
// Ñ/Ü), accents kept (U <> Ú). Ordering puts a letter and its accented forms together
// ("a" < "á" < "b") and Ñ after N. Returns <0, 0, >0.
int ComparaJet(const char* a, int na, const char* b, int nb);
// Appends to clave the text's folded letters: two texts append the same bytes exactly when
// ComparaJet finds them equal (for grouping by hashing).
void AgregaClaveJet(std::string& clave, const char* s, int n);

// A LIKE pattern of Jet's ANSI mode: % any run, _ one character, [abc], [a-z], [!abc];
// matched with the same folding as ComparaJet.
class TPatronLike {
 public:
  TPatronLike(const char* sPatron, int n);
  bool Coincide(const char* sTexto, int n) const;

 private:
  struct TElemento {
    enum class TClase { Letra, Uno, Varios, Lista } clase;
    char32_t c = 0;
    std::vector<std::pair<char32_t, char32_t>> rangos;  // Lista
    bool bNegada = false;
  };
  bool CoincideElemento(const TElemento& elemento, char32_t c) const;
  std::vector<TElemento> F_elementos;
};

}  // namespace ado::jet
