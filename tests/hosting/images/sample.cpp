// sample.dll: the loader's test image. Its entry point reports through an
// import, it has pointers that need relocating, imports by name and by
// ordinal, named and ordinal-only exports and gaps in its ordinals.

extern "C" {

__declspec(dllimport) int RecordEntry(unsigned reason);              // by name
__declspec(dllimport) int HelperValue();                             // by ordinal 7
__declspec(dllimport) unsigned long __stdcall GetCurrentThreadId();  // kernel32

int __stdcall SampleEntry(void*, unsigned long reason, void*);
int Add(int a, int b);
const char* Word(int i);
int CallHelperByOrdinal();
unsigned long ThreadIdThroughImport();
int NextCount();
int Hidden();
int Zeta();
extern const char* const Words[];
extern int counter;

const char* const Words[] = {"alpha", "beta", "gamma"};
int counter = 41;

int __stdcall SampleEntry(void*, unsigned long reason, void*) {
  return RecordEntry(reason);
}

int Add(int a, int b) {
  return a + b;
}
const char* Word(int i) {
  return Words[i];
}
int CallHelperByOrdinal() {
  return HelperValue();
}
unsigned long ThreadIdThroughImport() {
  return GetCurrentThreadId();
}
int NextCount() {
  return ++counter;
}
int Hidden() {
  return 5;
}
int Zeta() {
  return 26;
}

}  // extern "C"
