#include "report/PaginasVisor.h"
#include "report/VariablesReporte.h"

#include <gtest/gtest.h>

namespace {

// The support's pages cost a layout of long tables: none until they are asked for, and one
// for the document and every copy the viewer keeps.
TEST(PaginasVisor, SeComponenAlPedirlasUnaVezParaTodasLasCopias)
{
  int nComposiciones = 0;
  TPagina pagina;
  pagina.sNombre = QStringLiteral("Página_01");
  const TPaginasVisor paginas([&] {
    ++nComposiciones;
    return TReportePreparado({pagina}, TVariablesReporte(), {});
  });
  const TPaginasVisor copia = paginas;
  EXPECT_EQ(nComposiciones, 0);
  EXPECT_EQ(copia.Preparadas().NumeroPaginas(), 1);
  EXPECT_EQ(paginas.Preparadas().NumeroPaginas(), 1);
  EXPECT_EQ(&copia.Preparadas(), &paginas.Preparadas());
  EXPECT_EQ(nComposiciones, 1);
  EXPECT_EQ(TPaginasVisor().Preparadas().NumeroPaginas(), 0);
}

}  // namespace
