#include "window/fonts.h"

#include <QFont>
#include <QStringList>

namespace pellumo {

void InstallFontSubstitutes() {
  // Narrow sans faces with Arial's metrics first: the labels were sized for
  // them, and the wider DejaVu Sans would clip "Your Best Move is:".
  const QStringList sans = {"Liberation Sans", "Nimbus Sans", "Arimo", "DejaVu Sans"};
  QFont::insertSubstitutions(kDialogFace, sans);
  QFont::insertSubstitutions(kScoreFace, sans);
  // A calligraphic italic for the title, then plainer serif italics.
  QFont::insertSubstitutions(kLogoFace, {"URW Chancery L", "Z003", "TeX Gyre Chorus",
                                         "C059", "P052", "DejaVu Serif"});
}

}  // namespace pellumo
