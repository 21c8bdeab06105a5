#include <cmath>

// The trigonometric functions of the page's module, rounded to double from the C library's
// quadruple precision: the native builds' library rounds them correctly all but always, and
// emscripten's double versions differ from it in the last place in a few percent of the
// arguments, which changes the iteration's steps where it is on the edge of converging.
extern "C" {

double sin(double x)
{
    return static_cast<double>(sinl(x));
}
double cos(double x)
{
    return static_cast<double>(cosl(x));
}
double tan(double x)
{
    return static_cast<double>(tanl(x));
}
double atan(double x)
{
    return static_cast<double>(atanl(x));
}
double atan2(double y, double x)
{
    return static_cast<double>(atan2l(y, x));
}
void sincos(double x, double* s, double* c)
{
    *s = sin(x);
    *c = cos(x);
}

} // extern "C"
