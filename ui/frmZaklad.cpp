#include "ui/frmZaklad.h"
#include "ui/application.h"
namespace tymba {
frmZaklad::frmZaklad(AppContext& context) : context_(context) { setWindowTitle("Tymba "); }
}  // namespace tymba
