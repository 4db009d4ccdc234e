// The catalogues are built into this library as resources (:/traductions);
// dialogs/langue.cpp reads them.
namespace trelmo {
int traductions_liees = 0;
} // namespace trelmo
