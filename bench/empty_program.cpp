// The benchmark's baseline: a program that does nothing, compiled and linked
// as flopdir is.
int main()
{
    return 0;
}
