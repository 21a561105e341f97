// binding.h - the six-letter routines through which the program drives the widget toolkit, and
// the binding's own start-up and reporting.  Each routine names itself to the kernel, checks that
// a master window exists and that identifiers and widget types fit, and reports misuse as error
// code + 1600 through the kernel under its name; a routine that fails a check does nothing else.
// Arguments by reference; a text as (pointer, length) with the length by value.
#ifndef SPECVUE_BINDING_H
#define SPECVUE_BINDING_H

void bindingStartUp();
void bindingSetRoutineName(const char* name);
void bindingReportError(int code);
void bindingConsoleMessage(const char* title, int titleLength, const char* text, int textLength,
                           int type);

void GRDENQ(int& columns, int& rows, int& third, int& fourth);
void WIDMIN(const int& columns, const int& rows);
void TEXATR(const int& a, const int& b, const int& c, const int& d);
void WIDTTL(const int& type);
void WIDSTR(const char* text, int length);
void MASTER(const int& a, const int& b, int& id);
void CALLBK(const int& id, const int& value);
void MENBAR(const int& parent, const int& flag, const int& second, int& id);
void MENENT(const int& parent, const char* text, int length, const int& key, int& id);
void MENPOP(const int& id, const int& a, const int& b, int& pop);
void MENSEP(const int& id, int& result);
void DIACMP(const int& parent, const int& column, const int& row, int& id);
void TEXENT(const int& parent, const int& a, const int& b, const char* text, int length,
            const int& c, const int& d, int& id);
void BUTTON(const int& parent, const int& a, const int& b, const char* text, int length,
            const int& key, int& id);
void FRADEF(const int& parent, const int& a, const int& b, const float& width, const float& height,
            int& frame);
void CALLEX(const int& frame, const int& value);
void MANAGE();
void ACTION(int& value);
void BROWSE(const int& mode, const int& i1, const int& i2, const int& i3, char* name,
            int nameLength, char* dir, int dirLength, const char* filter, int filterLength);
void FRAACT(const int& frame);
void FRACLE(const int& frame);
void WIDINF(const int& id, char* text, int length, int* info, const int& infoBytes, int& scratch,
            const int& part);
void WIDCHA(const int& id, const char* text, int length, int* info, const int& infoBytes,
            int& scratch, const int& part);
void GUIERR(const char* title, int titleLength, const char* text, int textLength);
void GUIPRT(const int& mode, int& status);
void FRAENQ(const int& frame, float& x0, float& y0, float& x1, float& y1);
void WINDRA(const int& id);
void ACTWIN(const int& id);
void WINREM(const int& id);
void MENEND();

#endif
