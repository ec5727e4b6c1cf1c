#include "survey/LocalidadesOperadas.h"

#include <algorithm>

void SumaLocalidades(QList<TLocalidadOperada>& Total, const QList<TLocalidadOperada>& Otras)
{
  for (const TLocalidadOperada& Otra : Otras) {
    auto Igual = std::find_if(Total.begin(), Total.end(), [&Otra](const TLocalidadOperada& L) {
      return L.sClave == Otra.sClave;
    });
    if (Igual == Total.end()) {
      Total.append({Otra.sClave, 0, {}});
      Igual = Total.end() - 1;
    }
    Igual->nOperaciones += Otra.nOperaciones;
    for (const QString& sCiudad : Otra.Ciudades)
      if (!Igual->Ciudades.contains(sCiudad))
        Igual->Ciudades.append(sCiudad);
    Igual->Ciudades.sort();
  }
  std::stable_sort(Total.begin(), Total.end(),
                   [](const TLocalidadOperada& a, const TLocalidadOperada& b) {
                     return a.nOperaciones != b.nOperaciones ? a.nOperaciones > b.nOperaciones
                                                             : a.sClave < b.sClave;
                   });
}
