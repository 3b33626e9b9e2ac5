// Placeholder translation unit until the desktop seam lands.
namespace ombrelt::win32 {
int DesktopSeamVersion() { return 1; }
}
