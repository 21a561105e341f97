// binding.h - the six-letter routines through which the program drives the widget toolkit, and
// the binding's own start-up and reporting.  Each routine names itself to the kernel, checks that
// a master window exists and that identifiers and widget types fit, and reports misuse as error
// code + 1600 through the kernel under its name; a routine that fails a check does nothing else.
// Results by reference, other scalars by value; a text as (pointer, length).
#ifndef SPECVUE_BINDING_H
#define SPECVUE_BINDING_H

void bindingStartUp();
void bindingSetRoutineName(const char* name);
void bindingReportError(int code);
void bindingConsoleMessage(const char* title, int titleLength, const char* text, int textLength,
                           int type);

void GRDENQ(int& columns, int& rows, int& third, int& fourth);
void WIDMIN(int columns, int rows);
void TEXATR(int a, int b, int c, int d);
void WIDTTL(int type);
void WIDSTR(const char* text, int length);
void MASTER(int a, int b, int& id);
void CALLBK(int id, int value);
void MENBAR(int parent, int flag, int second, int& id);
void MENENT(int parent, const char* text, int length, int key, int& id);
void MENPOP(int id, int a, int b, int& pop);
void MENSEP(int id, int& result);
void DIACMP(int parent, int column, int row, int& id);
void TEXENT(int parent, int a, int b, const char* text, int length,
            int c, int d, int& id);
void BUTTON(int parent, int a, int b, const char* text, int length,
            int key, int& id);
void FRADEF(int parent, int a, int b, float width,
            float height, int& frame);
void CALLEX(int frame, int value);
void MANAGE();
void ACTION(int& value);
void BROWSE(int mode, int i1, int i2, int i3, char* name,
            int nameLength, char* dir, int dirLength, const char* filter, int filterLength);
void FRAACT(int frame);
void FRACLE(int frame);
void WIDINF(int id, char* text, int length, int* info, int infoBytes, int& scratch,
            int part);
void WIDCHA(int id, const char* text, int length, int* info, int infoBytes,
            int& scratch, int part);
void GUIERR(const char* title, int titleLength, const char* text, int textLength);
void GUIPRT(int mode, int& status);
void FRAENQ(int frame, float& x0, float& y0, float& x1, float& y1);
void WINDRA(int id);
void ACTWIN(int id);
void WINREM(int id);
void MENEND();

#endif
