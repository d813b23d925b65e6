// hosthelp.dll: a module the system loader finds beside the tests; the
// sample image imports from it by name and by ordinal.

extern "C" {

int __stdcall HelperEntry(void*, unsigned long, void*);
int RecordEntry(unsigned reason);
int HelperValue();

int __stdcall HelperEntry(void*, unsigned long, void*) {
  return 1;
}

int RecordEntry(unsigned reason) {
  (void)reason;
  return 1;
}

int HelperValue() {
  return 0x7007;
}

}  // extern "C"
