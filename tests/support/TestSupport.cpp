int Placeholder;
